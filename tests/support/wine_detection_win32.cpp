#include "tests/support/wine_detection.h"

#include <windows.h>

namespace tzl::test {

bool RunningUnderWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace tzl::test
