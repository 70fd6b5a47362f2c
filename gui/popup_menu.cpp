#include "gui/popup_menu.h"

#include "gui/wide_text.h"

namespace tzl::gui {

int ShowPopupMenu(HWND owner, const std::vector<Text>& items, POINT pointer) {
  HMENU menu = CreatePopupMenu();
  if (!menu) return 0;
  UINT id = 1;
  for (const Text& item : items) AppendMenuW(menu, MF_STRING, id++, Wide(item).c_str());
  SetForegroundWindow(owner);
  int chosen = TrackPopupMenu(menu, TPM_RIGHTALIGN | TPM_TOPALIGN | TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                              pointer.x - 5, pointer.y - 5, 0, owner, nullptr);
  // Lets the menu close properly when the owner was not the foreground window.
  PostMessageW(owner, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return chosen;
}

}  // namespace tzl::gui
