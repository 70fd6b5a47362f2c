#include "app/known_folders.h"

#include <windows.h>

#include <shlobj.h>

#include <string>

#include "gui/wide_text.h"

namespace tzl::app {

Text ProgramDirectory() {
  std::wstring path(MAX_PATH, L'\0');
  while (true) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return Text();
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  size_t slash = path.find_last_of(L"\\/");
  return gui::Narrow(slash == std::wstring::npos ? std::wstring() : path.substr(0, slash));
}

Text DesktopDirectory() {
  wchar_t path[MAX_PATH] = {};
  if (!SHGetSpecialFolderPathW(nullptr, path, CSIDL_DESKTOPDIRECTORY, FALSE) || path[0] == L'\0') {
    return ProgramDirectory() + "\\";
  }
  std::wstring folder = path;
  if (folder.back() != L'\\') folder += L'\\';
  return gui::Narrow(folder);
}

}  // namespace tzl::app
