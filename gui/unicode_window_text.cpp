#include "gui/unicode_window_text.h"

namespace tzl::gui {

namespace {

const wchar_t kOuterProcedure[] = L"TzlOuterProcedure";

LRESULT CALLBACK WideTextProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto outer = reinterpret_cast<WNDPROC>(GetPropW(window, kOuterProcedure));
  switch (message) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_SETTEXT:
      return DefWindowProcW(window, message, wParam, lParam);
    case WM_NCDESTROY:
      RemovePropW(window, kOuterProcedure);
      break;
    default:
      break;
  }
  return outer ? CallWindowProcW(outer, window, message, wParam, lParam)
               : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

void KeepWindowTextUnicode(HWND window) {
  if (!window || IsWindowUnicode(window)) return;
  auto outer = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
  SetPropW(window, kOuterProcedure, reinterpret_cast<HANDLE>(outer));
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WideTextProcedure));
}

}  // namespace tzl::gui
