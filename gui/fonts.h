// Fonts by face and pixel height, made once and kept for the process's
// life: controls share them and none outlives its font.
#pragma once

#include <windows.h>

#include "gui/control_spec.h"

namespace tzl::gui {

// The font for a spec; nullptr when the spec asks for the control's default.
// A missing face falls back to the system's mapping (a face with Chinese
// glyphs in the project's Wine prefix).
HFONT FontFor(const FontSpec& spec);

}  // namespace tzl::gui
