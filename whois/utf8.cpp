#include "whois/utf8.h"

namespace tzl {

namespace {

size_t SequenceLength(unsigned char lead) {
  return lead < 0x80                   ? 1
         : lead >= 0xC2 && lead <= 0xDF ? 2
         : lead >= 0xE0 && lead <= 0xEF ? 3
         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                        : 0;
}

// Reads one character at `at`; its length, or 0 when none starts there.
size_t DecodeOne(const std::string& bytes, size_t at, char32_t* out) {
  unsigned char lead = static_cast<unsigned char>(bytes[at]);
  size_t length = SequenceLength(lead);
  if (length == 0 || at + length > bytes.size()) return 0;
  char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
  for (size_t k = 1; k < length; ++k) {
    unsigned char next = static_cast<unsigned char>(bytes[at + k]);
    if ((next & 0xC0) != 0x80) return 0;
    c = (c << 6) | (next & 0x3F);
  }
  static const char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  *out = c;
  return length;
}

}  // namespace

bool DecodeUtf8(const std::string& bytes, std::vector<char32_t>* out) {
  out->clear();
  for (size_t at = 0; at < bytes.size();) {
    char32_t c;
    size_t length = DecodeOne(bytes, at, &c);
    if (length == 0) return false;
    out->push_back(c);
    at += length;
  }
  return true;
}

size_t ValidUtf8Prefix(const std::string& bytes) {
  size_t at = 0;
  while (at < bytes.size()) {
    char32_t c;
    size_t length = DecodeOne(bytes, at, &c);
    if (length == 0) break;
    at += length;
  }
  return at;
}

bool IsIncompleteUtf8Sequence(const std::string& bytes) {
  if (bytes.empty() || SequenceLength(static_cast<unsigned char>(bytes[0])) <= bytes.size()) return false;
  for (size_t i = 1; i < bytes.size(); ++i) {
    if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return false;
  }
  return true;
}

bool HasNonAscii(const std::string& bytes) {
  for (char c : bytes) {
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  }
  return false;
}

}  // namespace tzl
