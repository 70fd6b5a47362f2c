#include "whois/record_text.h"

#include "text/codepage.h"
#include "whois/utf8.h"

namespace tzl {

namespace {

// Code-page-936 text cut after the lead byte of its last character.
Text WithoutSplitCharacter(const Text& text) {
  size_t at = 0;
  while (at < text.size()) {
    if (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 == text.size()) break;
    at += CharLengthAt(text, at);
  }
  return text.substr(0, at);
}

}  // namespace

Text RecordToAnsi(const std::string& record, bool wasCut) {
  std::string bytes;
  bytes.reserve(record.size());
  for (char c : record) {
    if (c != '\0') bytes.push_back(c);
  }
  if (!HasNonAscii(bytes)) return bytes;
  size_t valid = ValidUtf8Prefix(bytes);
  if (valid == bytes.size() || (wasCut && IsIncompleteUtf8Sequence(bytes.substr(valid)))) {
    return Utf8ToAnsi(bytes.substr(0, valid));
  }
  return wasCut ? WithoutSplitCharacter(bytes) : bytes;
}

}  // namespace tzl
