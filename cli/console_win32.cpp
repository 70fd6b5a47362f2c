#include <windows.h>
#include <shellapi.h>

#include "cli/console.h"
#include "text/codepage.h"

namespace tzl {

namespace {

bool IsConsole(HANDLE handle) {
  DWORD mode = 0;
  return handle != INVALID_HANDLE_VALUE && handle != nullptr && GetConsoleMode(handle, &mode) != 0;
}

void WriteTo(DWORD which, const std::string& utf8) {
  HANDLE handle = GetStdHandle(which);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return;
  if (IsConsole(handle)) {
    std::u16string wide = Utf8ToUtf16(utf8);
    size_t done = 0;
    while (done < wide.size()) {
      DWORD written = 0;
      DWORD chunk = static_cast<DWORD>(wide.size() - done > 8192 ? 8192 : wide.size() - done);
      if (!WriteConsoleW(handle, reinterpret_cast<const wchar_t*>(wide.data() + done), chunk, &written, nullptr) ||
          written == 0) {
        return;
      }
      done += written;
    }
    return;
  }
  size_t done = 0;
  while (done < utf8.size()) {
    DWORD written = 0;
    DWORD chunk = static_cast<DWORD>(utf8.size() - done > 65536 ? 65536 : utf8.size() - done);
    if (!WriteFile(handle, utf8.data() + done, chunk, &written, nullptr) || written == 0) return;
    done += written;
  }
}

}  // namespace

std::vector<Text> ProgramArguments(int, char**) {
  std::vector<Text> args;
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (wide == nullptr) return args;
  for (int i = 1; i < count; ++i) args.push_back(Utf16ToAnsi(reinterpret_cast<const char16_t*>(wide[i])));
  LocalFree(wide);
  return args;
}

std::string ReadStandardInput() {
  std::string bytes;
  HANDLE handle = GetStdHandle(STD_INPUT_HANDLE);
  if (handle == INVALID_HANDLE_VALUE || handle == nullptr) return bytes;
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(handle, buffer, sizeof buffer, &read, nullptr) || read == 0) return bytes;
    bytes.append(buffer, read);
  }
}

void WriteOutput(const std::string& utf8) { WriteTo(STD_OUTPUT_HANDLE, utf8); }
void WriteError(const std::string& utf8) { WriteTo(STD_ERROR_HANDLE, utf8); }

bool ErrorIsTerminal() { return IsConsole(GetStdHandle(STD_ERROR_HANDLE)); }

}  // namespace tzl
