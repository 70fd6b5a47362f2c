#include <windows.h>

#include "text/charset_names.h"
#include "text/codepage.h"

namespace tzl {

namespace {

std::u16string ToUtf16(UINT codePage, const std::string& bytes) {
  if (bytes.empty()) return std::u16string();
  int len = static_cast<int>(bytes.size());
  int wideLen = MultiByteToWideChar(codePage, 0, bytes.data(), len, nullptr, 0);
  if (wideLen <= 0) return std::u16string();
  std::u16string wide(static_cast<size_t>(wideLen), u'\0');
  MultiByteToWideChar(codePage, 0, bytes.data(), len, reinterpret_cast<wchar_t*>(&wide[0]), wideLen);
  return wide;
}

std::string FromUtf16(UINT codePage, const std::u16string& wide) {
  if (wide.empty()) return std::string();
  const wchar_t* data = reinterpret_cast<const wchar_t*>(wide.data());
  int len = static_cast<int>(wide.size());
  // No best-fit mapping: a character without a form in the code page becomes
  // "?" rather than a look-alike, as the native build does.
  DWORD flags = codePage == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* defaultChar = codePage == CP_UTF8 ? nullptr : "?";
  int outLen = WideCharToMultiByte(codePage, flags, data, len, nullptr, 0, defaultChar, nullptr);
  if (outLen <= 0) return std::string();
  std::string out(static_cast<size_t>(outLen), '\0');
  WideCharToMultiByte(codePage, flags, data, len, &out[0], outLen, defaultChar, nullptr);
  return out;
}

std::u16string FromUtf16Bytes(const std::string& bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    unsigned char a = static_cast<unsigned char>(bytes[i]);
    unsigned char b = static_cast<unsigned char>(bytes[i + 1]);
    out += static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  }
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(const Text& text) { return ToUtf16(kCodePageGbk, text); }
Text Utf16ToAnsi(const std::u16string& text) { return FromUtf16(kCodePageGbk, text); }
std::string AnsiToUtf8(const Text& text) { return FromUtf16(CP_UTF8, AnsiToUtf16(text)); }
Text Utf8ToAnsi(const std::string& text) { return Utf16ToAnsi(Utf8ToUtf16(text)); }
std::u16string Utf8ToUtf16(const std::string& text) { return ToUtf16(CP_UTF8, text); }
std::string Utf16ToUtf8(const std::u16string& text) { return FromUtf16(CP_UTF8, text); }

bool CharsetToAnsi(const std::string& bytes, const std::string& charsetName, Text* out) {
  int codePage = CodePageForCharset(charsetName);
  if (codePage == 0) return false;
  if (codePage == kCodePageUtf16Le || codePage == kCodePageUtf16Be) {
    *out = Utf16ToAnsi(FromUtf16Bytes(bytes, codePage == kCodePageUtf16Be));
    return true;
  }
  if (!IsValidCodePage(static_cast<UINT>(codePage))) return false;
  *out = Utf16ToAnsi(ToUtf16(static_cast<UINT>(codePage), bytes));
  return true;
}

}  // namespace tzl
