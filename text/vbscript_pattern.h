// Rewrites a pattern in the syntax of the scripting class "VBScript.RegExp"
// (the ECMAScript dialect) into an equivalent PCRE2 pattern, so that the
// native matcher accepts and rejects the same patterns and gives the same
// matches as the Windows one. Both sides are UTF-8.
//
// The PCRE2 pattern is meant to be compiled with PCRE2_UTF, PCRE2_ALT_BSUX,
// PCRE2_DOLLAR_ENDONLY and PCRE2_MATCH_UNSET_BACKREF, a line-feed newline
// convention and without PCRE2_UCP (so \w, \d and \b stay ASCII, as in the
// scripting class).
#pragma once

#include <string>

namespace tzl {

// False when the scripting class would reject the pattern for a reason
// PCRE2 would not see (PCRE2-only constructs such as lookbehind, atomic
// groups, possessive quantifiers or inline options). Patterns that both
// reject (an unbalanced parenthesis) may come back true; PCRE2 then fails
// to compile them.
bool TranslateVbscriptPattern(const std::string& pattern, bool multiLine, std::string* out);

}  // namespace tzl
