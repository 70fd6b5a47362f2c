// Keeps a window's text readable in full after code outside the program's
// control has subclassed it with an ANSI window procedure: such a window
// answers WM_GETTEXT through the system's ANSI code page, which turns
// Chinese into question marks on a system of another locale.
#pragma once

#include <windows.h>

namespace tzl::gui {

// When the window is no longer a Unicode window, puts a wide procedure in
// front that answers the text messages itself and hands on the rest.
void KeepWindowTextUnicode(HWND window);

}  // namespace tzl::gui
