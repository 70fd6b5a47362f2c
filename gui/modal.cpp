#include "gui/modal.h"

namespace tzl::gui {

void RunModal(Form& dialog, HWND owner) {
  if (!dialog.IsOpen()) return;
  bool ownerWasEnabled = owner && IsWindowEnabled(owner);
  if (ownerWasEnabled) EnableWindow(owner, FALSE);
  dialog.Show();
  SetForegroundWindow(dialog.Handle());
  MSG message;
  while (dialog.IsOpen()) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (got < 0) break;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
    SetActiveWindow(owner);
  }
}

}  // namespace tzl::gui
