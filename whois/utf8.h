// Strict UTF-8 decoding for the gateway: names and records arrive as bytes
// whose encoding has to be told from their content.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tzl {

// Decodes `bytes` as UTF-8 (no overlong forms, no surrogates, nothing past
// U+10FFFF). False, at the first fault, when they are not UTF-8.
bool DecodeUtf8(const std::string& bytes, std::vector<char32_t>* out);

// The length of the valid UTF-8 prefix of `bytes`: bytes.size() when all of
// it is UTF-8.
size_t ValidUtf8Prefix(const std::string& bytes);

// True when `bytes` is the start of one UTF-8 sequence that lacks its
// last byte or bytes (what a cut in the middle of a character leaves).
bool IsIncompleteUtf8Sequence(const std::string& bytes);

bool HasNonAscii(const std::string& bytes);

}  // namespace tzl
