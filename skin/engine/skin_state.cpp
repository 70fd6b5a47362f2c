#include "skin/engine/skin_state.h"

namespace tzl::skin {

namespace {

void Replace(HBRUSH& brush, COLORREF colour) {
  if (brush != nullptr) DeleteObject(brush);
  brush = CreateSolidBrush(colour);
}

}  // namespace

SkinState& CurrentSkin() {
  static SkinState state;
  return state;
}

void UseSkin(const SkinPalette& palette) {
  SkinState& state = CurrentSkin();
  state.palette = palette;
  Replace(state.windowBrush, palette.Get(SkinColour::kWindowBackground));
  Replace(state.editBrush, palette.Get(SkinColour::kEditBackground));
  Replace(state.listBrush, palette.Get(SkinColour::kListBackground));
}

}  // namespace tzl::skin
