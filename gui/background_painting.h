// Painting a child's share of its parent's background, so controls
// without a background of their own (the transparent labels) show the
// form or the title strip behind them.
#pragma once

#include <windows.h>

namespace tzl::gui {

// Asks the parent to erase into `target` with the origin moved so that the
// child's client area receives exactly the part of the parent behind it.
void PaintParentBackground(HWND child, HDC target);

}  // namespace tzl::gui
