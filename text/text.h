// The program's text: byte strings in code page 936 (GBK). Positions and
// lengths are bytes; every search steps over double-byte characters whole,
// so a match never starts on the second byte of a character.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace tzl {

using Text = std::string;

constexpr size_t kNotFound = std::string::npos;

// A byte of 0x80 and above starts a double-byte character in code page 936.
inline bool IsLeadByte(unsigned char byte) { return byte >= 0x80; }

// Length in bytes of the character that starts at `pos` (1 or 2; 1 for a
// lead byte that ends the text).
size_t CharLengthAt(const Text& text, size_t pos);

// First occurrence of `needle` at or after byte `from`, starting only at a
// character boundary. With `ignoreCase`, ASCII letters compare without case.
// An empty needle is found at `from` (or at the next boundary after it).
size_t FindText(const Text& text, const Text& needle, size_t from = 0, bool ignoreCase = false);

inline bool ContainsText(const Text& text, const Text& needle, bool ignoreCase = false) {
  return FindText(text, needle, 0, ignoreCase) != kNotFound;
}

// Every non-overlapping occurrence of `from`, searched from the start at
// character boundaries, replaced by `to`. An empty `from` changes nothing.
Text ReplaceAll(const Text& text, const Text& from, const Text& to, bool ignoreCase = false);
inline Text RemoveAll(const Text& text, const Text& what, bool ignoreCase = false) {
  return ReplaceAll(text, what, Text(), ignoreCase);
}

inline size_t ByteLength(const Text& text) { return text.size(); }

// The bytes up to the first zero byte: what a NUL-terminated text holds.
Text TextUpToNul(const std::string& bytes);

// The pieces between every occurrence of an ASCII separator byte, the one
// after the last separator too ("a," gives "a" and ""). For ASCII lists
// such as routing entries; header and cookie texts have rules of their own.
std::vector<Text> SplitAtByte(const Text& text, char separator);

// Equal byte for byte, ASCII letters compared without case.
bool EqualsIgnoringAsciiCase(const Text& a, const Text& b);

bool StartsWith(const Text& text, const Text& prefix);
bool EndsWith(const Text& text, const Text& suffix);

// TextBetween(source, left, right, start, ignoreCase): "#引号" in either
// marker stands for a double quote; the left marker is sought from byte
// position `start` (counting from 1; below 1 means the beginning), the right
// marker from the first byte after it; the result is what lies between the
// first occurrences, or the empty text when either is missing.
Text TextBetween(const Text& source, Text left, Text right, int start = 0, bool ignoreCase = false);

// The first `maxBytes` bytes of `text`, never ending inside a double-byte
// character: a character that would be split is left out whole.
Text CutToBytes(const Text& text, size_t maxBytes);

// Trims ASCII blanks and the ideographic blank (A1 A1) from both ends.
Text TrimBlanks(const Text& text);

}  // namespace tzl
