// The character set a page declares in a meta tag near its top, and the
// page re-read in it.
#pragma once

#include <string>

#include "text/regex_matcher.h"
#include "text/text.h"

namespace tzl {

// The name declared within the first 1024 bytes of `resultText`, as the
// page wrote it; empty when none is found there.
Text DeclaredCharset(RegexMatcher& matcher, const Text& resultText);

// `resultText` decoded from the whole of `bodyBytes` when the page declares
// a character set other than "gbk" or "gb2312" that a converter knows;
// otherwise `resultText` unchanged.
Text DecodeDeclaredCharset(RegexMatcher& matcher, const std::string& bodyBytes, const Text& resultText);

}  // namespace tzl
