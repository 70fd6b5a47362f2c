#include "gui/gdiplus_session.h"

#include "gui/gdiplus_headers.h"

#include <mutex>

namespace tzl::gui {

void StartGdiplusOnce() {
  static std::once_flag started;
  std::call_once(started, [] {
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
  });
}

}  // namespace tzl::gui
