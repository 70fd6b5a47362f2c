// Conversion between the program's code-page-936 text, UTF-16 and UTF-8,
// and from the character sets that web pages declare. The Windows build
// uses MultiByteToWideChar/WideCharToMultiByte, the native build iconv; both
// give the same bytes. A character without a code-page-936 form becomes "?".
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

std::u16string AnsiToUtf16(const Text& text);
Text Utf16ToAnsi(const std::u16string& text);

std::string AnsiToUtf8(const Text& text);
// The input read as UTF-8, narrowed to code page 936; the empty text for
// the empty input.
Text Utf8ToAnsi(const std::string& text);

std::u16string Utf8ToUtf16(const std::string& text);
std::string Utf16ToUtf8(const std::u16string& text);

// Decodes `bytes` in the character set a page declared (a name such as
// "utf-8", "UTF-8", "big5", "iso-8859-1", "gb18030") into code-page-936
// text. Returns false, leaving `out` alone, when no converter knows the name.
bool CharsetToAnsi(const std::string& bytes, const std::string& charsetName, Text* out);

}  // namespace tzl
