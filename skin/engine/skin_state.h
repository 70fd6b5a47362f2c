// The colours and brushes of the attached skin, shared by the painters and
// the window subclass. Used from the GUI thread that attached the skin.
#pragma once

#include <windows.h>

#include "skin/skin_format.h"

namespace tzl::skin {

struct SkinState {
  SkinPalette palette;
  HBRUSH windowBrush = nullptr;
  HBRUSH editBrush = nullptr;
  HBRUSH listBrush = nullptr;
};

SkinState& CurrentSkin();
// Takes the shifted palette and makes the brushes for it.
void UseSkin(const SkinPalette& palette);

inline COLORREF SkinColourRef(SkinColour key) { return static_cast<COLORREF>(CurrentSkin().palette.Get(key)); }

}  // namespace tzl::skin
