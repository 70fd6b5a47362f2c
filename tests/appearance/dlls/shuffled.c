/* Exports whose ordinals run in another order than their names, and one
 * that has an ordinal but no name. */
#include <windows.h>

BOOL WINAPI ShuffledEntry(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  (void)instance;
  (void)reason;
  (void)reserved;
  return TRUE;
}

int Zulu(void) { return 26; }
int Alpha(void) { return 1; }
int Mike(void) { return 13; }
int Hidden(void) { return 99; }
