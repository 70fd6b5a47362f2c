// Modal windows: the owner takes no input while the dialog is open, and
// the caller waits in a message loop of its own until the dialog closes.
#pragma once

#include "gui/form.h"

namespace tzl::gui {

// Shows `dialog` (already created) and returns once it is destroyed. A
// WM_QUIT that arrives meanwhile ends the wait and is left for the outer
// loop.
void RunModal(Form& dialog, HWND owner);

}  // namespace tzl::gui
