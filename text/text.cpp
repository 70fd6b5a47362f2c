#include "text/text.h"

namespace tzl {

namespace {

unsigned char FoldAscii(unsigned char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c - 'A' + 'a') : c;
}

bool MatchesAt(const Text& text, size_t pos, const Text& needle, bool ignoreCase) {
  if (pos + needle.size() > text.size()) return false;
  for (size_t i = 0; i < needle.size(); ++i) {
    unsigned char a = static_cast<unsigned char>(text[pos + i]);
    unsigned char b = static_cast<unsigned char>(needle[i]);
    if (ignoreCase) {
      a = FoldAscii(a);
      b = FoldAscii(b);
    }
    if (a != b) return false;
  }
  return true;
}

// The first character boundary at or after `from`.
size_t BoundaryAtOrAfter(const Text& text, size_t from) {
  size_t pos = 0;
  while (pos < from && pos < text.size()) pos += CharLengthAt(text, pos);
  return pos;
}

const char kQuoteWord[] = "#引号";
const char kIdeographicBlank[] = "\xA1\xA1";

}  // namespace

size_t CharLengthAt(const Text& text, size_t pos) {
  if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
  return 1;
}

size_t FindText(const Text& text, const Text& needle, size_t from, bool ignoreCase) {
  size_t pos = BoundaryAtOrAfter(text, from);
  if (needle.empty()) return pos <= text.size() ? pos : kNotFound;
  while (pos + needle.size() <= text.size()) {
    if (MatchesAt(text, pos, needle, ignoreCase)) return pos;
    pos += CharLengthAt(text, pos);
  }
  return kNotFound;
}

Text ReplaceAll(const Text& text, const Text& from, const Text& to, bool ignoreCase) {
  if (from.empty()) return text;
  Text out;
  out.reserve(text.size());
  size_t pos = 0;
  while (pos < text.size()) {
    if (MatchesAt(text, pos, from, ignoreCase)) {
      out += to;
      pos += from.size();
    } else {
      size_t len = CharLengthAt(text, pos);
      out.append(text, pos, len);
      pos += len;
    }
  }
  return out;
}

Text TextUpToNul(const std::string& bytes) {
  size_t nul = bytes.find('\0');
  return nul == std::string::npos ? bytes : bytes.substr(0, nul);
}

std::vector<Text> SplitAtByte(const Text& text, char separator) {
  std::vector<Text> pieces;
  size_t start = 0;
  for (;;) {
    size_t at = text.find(separator, start);
    pieces.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
    if (at == std::string::npos) return pieces;
    start = at + 1;
  }
}

bool EqualsIgnoringAsciiCase(const Text& a, const Text& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (FoldAscii(static_cast<unsigned char>(a[i])) != FoldAscii(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

bool StartsWith(const Text& text, const Text& prefix) {
  return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool EndsWith(const Text& text, const Text& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

Text TextBetween(const Text& source, Text left, Text right, int start, bool ignoreCase) {
  left = ReplaceAll(left, kQuoteWord, "\"");
  right = ReplaceAll(right, kQuoteWord, "\"");
  size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
  if (from > source.size()) return Text();
  size_t leftAt = FindText(source, left, from, ignoreCase);
  if (leftAt == kNotFound) return Text();
  size_t valueAt = leftAt + left.size();
  size_t rightAt = FindText(source, right, valueAt, ignoreCase);
  if (rightAt == kNotFound) return Text();
  return source.substr(valueAt, rightAt - valueAt);
}

Text CutToBytes(const Text& text, size_t maxBytes) {
  if (text.size() <= maxBytes) return text;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t len = CharLengthAt(text, pos);
    if (pos + len > maxBytes) break;
    pos += len;
  }
  return text.substr(0, pos);
}

Text TrimBlanks(const Text& text) {
  // Walk whole characters so that the second byte of a character is never
  // taken for the start of an ideographic blank.
  size_t pos = 0, begin = kNotFound, end = 0;
  while (pos < text.size()) {
    size_t len = CharLengthAt(text, pos);
    bool blank = text[pos] == ' ' || (len == 2 && text.compare(pos, 2, kIdeographicBlank) == 0);
    if (!blank) {
      if (begin == kNotFound) begin = pos;
      end = pos + len;
    }
    pos += len;
  }
  return begin == kNotFound ? Text() : text.substr(begin, end - begin);
}

}  // namespace tzl
