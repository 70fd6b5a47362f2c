#include "web/request_target.h"

#include "text/codepage.h"

namespace tzl {

namespace {

void AppendPercent(Text* out, unsigned char byte) {
  static const char kHex[] = "0123456789ABCDEF";
  *out += '%';
  *out += kHex[byte >> 4];
  *out += kHex[byte & 0x0F];
}

}  // namespace

// A query text is concatenated into addresses as the user typed it; a CR LF
// in it must never reach the wire raw, or it would end the request line and
// let the query write header lines of its own.
Text EncodeUnsafeTargetBytes(const Text& url) {
  size_t start = url.find("://");
  start = start == Text::npos ? 0 : url.find_first_of("/?#", start + 3);
  if (start == Text::npos) return url;
  Text out = url.substr(0, start);
  size_t i = start;
  while (i < url.size()) {
    unsigned char byte = static_cast<unsigned char>(url[i]);
    if (byte >= 0x80) {
      size_t end = i;
      while (end < url.size() && static_cast<unsigned char>(url[end]) >= 0x80) end += CharLengthAt(url, end);
      if (end > url.size()) end = url.size();
      for (unsigned char utf8 : AnsiToUtf8(url.substr(i, end - i))) AppendPercent(&out, utf8);
      i = end;
    } else {
      if (byte <= 0x20 || byte == 0x7F) {
        AppendPercent(&out, byte);
      } else {
        out += static_cast<char>(byte);
      }
      ++i;
    }
  }
  return out;
}

}  // namespace tzl
