// The transparent label: a window class of our own whose text is its
// window text (so WM_GETTEXT reads it from any process), painted without a
// background of its own over whatever its parent paints there.
#pragma once

#include <windows.h>

namespace tzl::gui {

extern const wchar_t kTransparentLabelClass[];

void RegisterTransparentLabelClass();

// Text colour of one label (default: a dark grey).
void SetLabelTextColour(HWND label, COLORREF colour);

}  // namespace tzl::gui
