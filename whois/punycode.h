// Punycode (RFC 3492): the ASCII form of a label of Unicode code points,
// as IDNA puts it after "xn--".
#pragma once

#include <string>
#include <vector>

namespace tzl {

// The Punycode encoding of `codePoints`; false when a code point is beyond
// U+10FFFF or the result would overflow (it never does for a domain label).
bool PunycodeEncode(const std::vector<char32_t>& codePoints, std::string* out);

}  // namespace tzl
