// The thread starter: runs a routine on a new thread that nobody joins.
#pragma once

#include <functional>

namespace tzl::gui {

// False when no thread could be made; the routine then does not run.
bool StartThread(std::function<void()> routine);

}  // namespace tzl::gui
