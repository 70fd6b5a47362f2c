// RegexMatcher: one pattern over one subject, matches and groups read by
// index (counted from 1). Case-insensitive, multi-line and global by
// default; a dot stops at a line feed; lazy quantifiers; matching counts
// characters of the code-page-936 text, not bytes.
//
// The Windows build wraps the scripting class "VBScript.RegExp" over COM
// (construction initialises COM on the calling thread, destruction
// uninitialises it); the native build runs PCRE2 on the UTF-8 form of the
// text. No operation fails loudly: failures give the empty text, 0 or false.
#pragma once

#include <memory>

#include "text/text.h"

namespace tzl {

class RegexMatcher {
 public:
  RegexMatcher();
  ~RegexMatcher();
  RegexMatcher(const RegexMatcher&) = delete;
  RegexMatcher& operator=(const RegexMatcher&) = delete;

  // True when the pattern was accepted and executed, also without a match.
  // With `quoteMarks`, every "#引号" in the pattern stands for a double quote.
  // Natively, a search that backtracks past the engine's step limit ends the
  // execution: false, and no match list (the scripting class has no limit).
  bool Create(const Text& pattern, const Text& subject, bool caseSensitive = false,
              bool multiLine = true, bool global = true, bool quoteMarks = false);
  Text Pattern() const;
  // The subject with the matches replaced ("$1" names group 1).
  Text Replace(const Text& replacement) const;
  int MatchCount() const;
  Text MatchText(int matchIndex) const;
  Text SubMatchText(int matchIndex, int groupIndex) const;
  // The number of groups in the first match (0 without a match).
  int SubMatchCount() const;

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
};

}  // namespace tzl
