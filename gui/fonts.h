// Fonts by face and pixel height, made once and kept for the process's
// life: controls share them and none outlives its font.
#pragma once

#include <windows.h>

#include "gui/control_design.h"

namespace tzl::gui {

// The font for a design; nullptr when the design asks for the control's default.
// A missing face falls back to the system's mapping (a face with Chinese
// glyphs in the project's Wine prefix).
HFONT FontFor(const FontDesign& design);

}  // namespace tzl::gui
