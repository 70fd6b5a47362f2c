#include "whois/domain_name.h"

#include <vector>

#include "text/codepage.h"
#include "whois/punycode.h"
#include "whois/utf8.h"

namespace tzl {

namespace {

constexpr size_t kMaxLabelLength = 63;

std::vector<char32_t> DecodeCodePage936(const std::string& bytes) {
  std::u16string wide = AnsiToUtf16(bytes);
  std::vector<char32_t> out;
  for (size_t i = 0; i < wide.size(); ++i) {
    char32_t c = wide[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
      ++i;
    }
    out.push_back(c);
  }
  return out;
}

bool IsLetterDigitHyphen(char32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// The unified CJK ideographs: what Chinese domain names are written in.
bool IsIdeograph(char32_t c) {
  return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x20000 && c <= 0x2A6DF) ||
         (c >= 0x2A700 && c <= 0x2EBEF) || (c >= 0x30000 && c <= 0x3134F);
}

bool LabelToAscii(const std::vector<char32_t>& label, std::string* out) {
  if (label.empty() || label.front() == '-' || label.back() == '-') return false;
  bool ascii = true;
  for (char32_t c : label) {
    if (IsIdeograph(c)) {
      ascii = false;
    } else if (!IsLetterDigitHyphen(c)) {
      return false;
    }
  }
  if (ascii) {
    out->assign(label.begin(), label.end());
  } else {
    std::string encoded;
    if (!PunycodeEncode(label, &encoded)) return false;
    *out = "xn--" + encoded;
  }
  return out->size() <= kMaxLabelLength;
}

}  // namespace

bool ToRegistryName(const std::string& requested, std::string* asciiName) {
  asciiName->clear();
  if (requested.empty() || requested.size() > 4 * kMaxDomainNameLength) return false;
  std::vector<char32_t> points;
  if (!DecodeUtf8(requested, &points)) points = DecodeCodePage936(requested);
  for (char32_t& c : points) {
    if (c >= 'A' && c <= 'Z') c = c - 'A' + 'a';
  }
  if (!points.empty() && points.back() == '.') points.pop_back();

  std::string name;
  std::vector<char32_t> label;
  int labels = 0;
  bool lastAllDigits = false;
  for (size_t i = 0; i <= points.size(); ++i) {
    if (i < points.size() && points[i] != '.') {
      label.push_back(points[i]);
      continue;
    }
    std::string ascii;
    if (!LabelToAscii(label, &ascii)) return false;
    lastAllDigits = ascii.find_first_not_of("0123456789") == std::string::npos;
    if (!name.empty()) name += '.';
    name += ascii;
    ++labels;
    label.clear();
  }
  if (labels < 2 || lastAllDigits || name.size() > kMaxDomainNameLength) return false;
  *asciiName = name;
  return true;
}

std::string TopLevelLabel(const std::string& asciiName) {
  size_t dot = asciiName.rfind('.');
  return dot == std::string::npos ? asciiName : asciiName.substr(dot + 1);
}

}  // namespace tzl
