/* Imports from user32 and gdi32, bound by the loader. */
#include <windows.h>

BOOL WINAPI GuiImportsEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}

/* 'A' when user32's CharUpperA works, plus 1 when gdi32 hands out a stock
 * brush. */
int ImportsWork(void) {
  char text[2] = {'a', 0};
  CharUpperA(text);
  return text[0] + (GetStockObject(WHITE_BRUSH) != 0 ? 1 : 0);
}
