#include "app/file_access.h"

#include <windows.h>

#include "gui/wide_text.h"

namespace tzl::app {

bool FileExists(const Text& path) {
  DWORD attributes = GetFileAttributesW(gui::Wide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadWholeFile(const Text& path, bool* readable) {
  if (readable) *readable = false;
  HANDLE file = CreateFileW(gui::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::string();
  std::string bytes;
  char buffer[16384];
  DWORD got = 0;
  bool ok = true;
  while (true) {
    if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
      ok = false;
      break;
    }
    if (got == 0) break;
    bytes.append(buffer, got);
  }
  CloseHandle(file);
  if (!ok) return std::string();
  if (readable) *readable = true;
  return bytes;
}

bool WriteWholeFile(const Text& path, const std::string& bytes) {
  HANDLE file = CreateFileW(gui::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = bytes.empty() ||
            (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
             written == bytes.size());
  CloseHandle(file);
  return ok;
}

void DeleteFileIfPresent(const Text& path) { DeleteFileW(gui::Wide(path).c_str()); }

}  // namespace tzl::app
