// The rewriting of what the user typed into a domain name. Every step works
// character-wise on code-page-936 text: a match never starts on the second
// byte of a double-byte character.
#pragma once

#include "text/text.h"

namespace tzl {

// Replaces, one entry after the other and each on what the previous left,
// "。" "，" "/" "," ";" "'" "；" by ".".
Text ReplaceStrayPunctuation(const Text& query);

// Appends ".com" when the text holds no "." at all.
Text CompleteDomain(const Text& query);

// Removes every ASCII space, then every ideographic space (A1 A1); tabs
// and everything else stay.
Text RemoveSpaces(const Text& query);

// All three in the order Enter and the dispatch apply them: punctuation,
// ".com", spaces (so a text of spaces alone becomes ".com").
Text CleanQuery(const Text& query);

}  // namespace tzl
