#include <errno.h>
#include <iconv.h>

#include <cstring>

#include "text/charset_names.h"
#include "text/codepage.h"

namespace tzl {

namespace {

const char* IconvName(int codePage) {
  switch (codePage) {
    case 65001: return "UTF-8";
    case 936: return "CP936";
    case 54936: return "GB18030";
    case 950: return "BIG5";
    case 932: return "CP932";
    case 20932: return "EUC-JP";
    case 949: return "CP949";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1252: return "CP1252";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 28592: return "ISO-8859-2";
    case 28595: return "ISO-8859-5";
    case 28597: return "ISO-8859-7";
    case 28605: return "ISO-8859-15";
    case 20866: return "KOI8-R";
    case 21866: return "KOI8-U";
    case 1200: return "UTF-16LE";
    case 1201: return "UTF-16BE";
    default: return nullptr;
  }
}

// Runs iconv over the whole input. An input sequence that cannot be
// converted is replaced by `replacement` and `skip` input bytes are passed
// over, as the Windows conversion functions do with their default character.
bool Convert(const char* from, const char* to, const std::string& input,
             const std::string& replacement, size_t skip, std::string* output) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  output->clear();
  char buffer[16384];
  char* in = const_cast<char*>(input.data());
  size_t inLeft = input.size();
  while (inLeft > 0) {
    char* out = buffer;
    size_t outLeft = sizeof buffer;
    size_t rc = iconv(cd, &in, &inLeft, &out, &outLeft);
    output->append(buffer, static_cast<size_t>(out - buffer));
    if (rc != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ: an invalid or unconvertible sequence; EINVAL: a sequence cut
    // short by the end of the input.
    output->append(replacement);
    size_t step = errno == EINVAL ? inLeft : (skip < inLeft ? skip : inLeft);
    in += step;
    inLeft -= step;
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return true;
}

const std::string kUtf16Replacement("\xFD\xFF", 2);  // U+FFFD, little-endian

std::u16string BytesToUtf16(const std::string& bytes) {
  std::u16string out(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < out.size(); ++i) {
    out[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                   static_cast<unsigned char>(bytes[2 * i + 1]) << 8);
  }
  return out;
}

std::string Utf16ToBytes(const std::u16string& text) {
  std::string out(text.size() * 2, '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    out[2 * i] = static_cast<char>(text[i] & 0xFF);
    out[2 * i + 1] = static_cast<char>(text[i] >> 8);
  }
  return out;
}

std::u16string DecodeToUtf16(const char* from, const std::string& bytes) {
  std::string out;
  if (bytes.empty() || !Convert(from, "UTF-16LE", bytes, kUtf16Replacement, 1, &out)) return std::u16string();
  return BytesToUtf16(out);
}

std::string EncodeFromUtf16(const char* to, const std::u16string& text, const std::string& replacement) {
  std::string out;
  if (text.empty()) return out;
  // A surrogate pair is one character: pass its two code units over
  // together when it has no form in the target.
  Convert("UTF-16LE", to, Utf16ToBytes(text), replacement, 2, &out);
  return out;
}

}  // namespace

std::u16string AnsiToUtf16(const Text& text) { return DecodeToUtf16("CP936", text); }
Text Utf16ToAnsi(const std::u16string& text) { return EncodeFromUtf16("CP936", text, "?"); }
std::string AnsiToUtf8(const Text& text) { return Utf16ToUtf8(AnsiToUtf16(text)); }
Text Utf8ToAnsi(const std::string& text) { return Utf16ToAnsi(Utf8ToUtf16(text)); }
std::u16string Utf8ToUtf16(const std::string& text) { return DecodeToUtf16("UTF-8", text); }
std::string Utf16ToUtf8(const std::u16string& text) { return EncodeFromUtf16("UTF-8", text, "\xEF\xBF\xBD"); }

bool CharsetToAnsi(const std::string& bytes, const std::string& charsetName, Text* out) {
  const char* name = IconvName(CodePageForCharset(charsetName));
  if (name == nullptr) return false;
  *out = Utf16ToAnsi(DecodeToUtf16(name, bytes));
  return true;
}

}  // namespace tzl
