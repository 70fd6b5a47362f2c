#include "gui/background_painting.h"

namespace tzl::gui {

void PaintParentBackground(HWND child, HDC target) {
  HWND parent = GetParent(child);
  POINT origin{0, 0};
  MapWindowPoints(child, parent, &origin, 1);
  POINT previous;
  SetViewportOrgEx(target, -origin.x, -origin.y, &previous);
  SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(target), 0);
  SetViewportOrgEx(target, previous.x, previous.y, nullptr);
}

}  // namespace tzl::gui
