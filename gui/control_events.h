// How our own controls tell their form that something happened to them.
// Standard controls notify with WM_COMMAND; our label and picture classes
// and the subclassed edit box send kControlEvent instead, so one form
// handler sees every control's clicks and keys by control id.
#pragma once

#include <windows.h>

namespace tzl::gui {

enum class ControlEvent : WORD {
  Click = 1,       // left button pressed (or a button clicked)
  RightPress = 2,  // right button pressed
  KeyDown = 3,     // lParam: the virtual key code
};

// wParam: MAKEWPARAM(control id, ControlEvent); lParam: event data.
constexpr UINT kControlEvent = WM_APP + 40;

inline void NotifyParent(HWND control, ControlEvent event, LPARAM data = 0) {
  HWND parent = GetParent(control);
  // A control inside a picture box reports to the form that owns both.
  while (parent && (GetWindowLongPtrW(parent, GWL_STYLE) & WS_CHILD)) parent = GetParent(parent);
  if (parent) {
    SendMessageW(parent, kControlEvent,
                 MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(event)), data);
  }
}

}  // namespace tzl::gui
