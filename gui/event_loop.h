// The event-processing step and the message loop of the GUI thread.
#pragma once

namespace tzl::gui {

// Dispatches every message waiting for the calling thread, then returns.
void ProcessPendingEvents();

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace tzl::gui
