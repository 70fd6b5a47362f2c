#include "gui/thread_starter.h"

#include <system_error>
#include <thread>

namespace tzl::gui {

bool StartThread(std::function<void()> routine) {
  try {
    std::thread(std::move(routine)).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}

}  // namespace tzl::gui
