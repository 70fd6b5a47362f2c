#include "gui/wide_text.h"

#include "text/codepage.h"

namespace tzl::gui {

std::wstring Wide(const Text& text) {
  std::u16string wide = AnsiToUtf16(text);
  return std::wstring(wide.begin(), wide.end());
}

Text Narrow(const std::wstring& text) {
  return Utf16ToAnsi(std::u16string(text.begin(), text.end()));
}

Text WindowTextOf(HWND window) {
  int length = GetWindowTextLengthW(window);
  if (length <= 0) return Text();
  std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(window, buffer.data(), length + 1);
  buffer.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return Narrow(buffer);
}

void SetWindowTextOf(HWND window, const Text& text) { SetWindowTextW(window, Wide(text).c_str()); }

}  // namespace tzl::gui
