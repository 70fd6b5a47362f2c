#include "text/vbscript_pattern.h"

#include <cstdio>
#include <cstring>

namespace tzl {

namespace {

// The scripting class counts the ideographic space (U+3000, "\xA1\xA1" in
// code page 936, common in Chinese pages) as white space; PCRE2's ASCII \s
// does not. It is the only Unicode space with a code-page-936 form.
const char kSpace[] = "\\s\\u3000";
const char kSpaceClass[] = "[\\s\\u3000]";
const char kNonSpaceClass[] = "[^\\s\\u3000]";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsOctal(char c) { return c >= '0' && c <= '7'; }
bool IsAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Escapes that mean the same in both dialects once PCRE2_ALT_BSUX is set
// (\x and \u take exactly two and four hex digits, else stand for the
// letter). Every other letter escape is, in the scripting class, the letter
// itself (\A, \z, \h, \K, \Q ... are PCRE2 specials and must not leak in).
bool IsSharedLetterEscape(char c) { return std::strchr("bBdDwWfnrtxu", c) != nullptr; }

std::string CodePointEscape(unsigned value) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "\\u%04X", value);
  return buffer;
}

// Legacy octal escape: up to three octal digits whose value fits a byte.
// Returns the number of pattern bytes used (0 when none).
size_t ReadOctal(const std::string& p, size_t i, unsigned* value) {
  unsigned v = 0;
  size_t used = 0;
  while (used < 3 && i + used < p.size() && IsOctal(p[i + used])) {
    unsigned next = v * 8 + static_cast<unsigned>(p[i + used] - '0');
    if (next > 0377) break;
    v = next;
    ++used;
  }
  *value = v;
  return used;
}

// The number of capturing groups, needed to tell a back-reference from an
// octal escape as the scripting class does.
int CountGroups(const std::string& p) {
  int groups = 0;
  bool inClass = false;
  for (size_t i = 0; i < p.size(); ++i) {
    char c = p[i];
    if (c == '\\') {
      ++i;
    } else if (inClass) {
      if (c == ']') inClass = false;
    } else if (c == '[') {
      inClass = true;
      // A "]" right after "[" or "[^" closes the class in this dialect; the
      // main pass handles it, counting only needs to skip over it.
      if (i + 1 < p.size() && p[i + 1] == ']') {
        ++i;
        inClass = false;
      } else if (i + 2 < p.size() && p[i + 1] == '^' && p[i + 2] == ']') {
        i += 2;
        inClass = false;
      }
    } else if (c == '(' && (i + 1 >= p.size() || p[i + 1] != '?')) {
      ++groups;
    }
  }
  return groups;
}

// One character class starting at p[i] == '['. Appends its PCRE2 form and
// returns the index just past its "]", or 0 when it is not closed.
size_t TranslateClass(const std::string& p, size_t i, std::string* out) {
  size_t pos = i + 1;
  bool negated = pos < p.size() && p[pos] == '^';
  if (negated) ++pos;
  std::string items;
  bool hasSpace = false;
  bool hasNonSpace = false;
  while (pos < p.size() && p[pos] != ']') {
    char c = p[pos];
    if (c == '\\') {
      if (pos + 1 >= p.size()) return 0;
      char e = p[pos + 1];
      pos += 2;
      if (e == 's') {
        hasSpace = true;
        items += kSpace;
      } else if (e == 'S') {
        hasNonSpace = true;
      } else if (e == 'v') {
        items += "\\x0B";
      } else if (IsDigit(e)) {
        unsigned value = 0;
        size_t used = ReadOctal(p, pos - 1, &value);
        if (used == 0) {
          items += e;  // \8, \9: the digit itself
        } else {
          items += CodePointEscape(value);
          pos += used - 1;
        }
      } else if (e == 'c' && pos < p.size() && IsAsciiLetter(p[pos])) {
        items += "\\c";
        items += p[pos++];
      } else if (IsAsciiLetter(e) && !IsSharedLetterEscape(e)) {
        items += e;
      } else {
        items += '\\';
        items += e;
      }
    } else if (c == '[') {
      // Literal here; unescaped, PCRE2 would read "[:alpha:]" as a POSIX class.
      items += "\\[";
      ++pos;
    } else {
      items += c;
      ++pos;
    }
  }
  if (pos >= p.size()) return 0;
  ++pos;  // the closing "]"

  if (items.empty() && !hasNonSpace) {
    // "[]" never matches, "[^]" matches any character, line feed included.
    *out += negated ? "[\\s\\S]" : "(?!)";
  } else if (hasNonSpace && !hasSpace) {
    // PCRE2's \S also takes the ideographic space, which the scripting
    // class counts as a blank: spell the class out around it.
    if (negated) {
      *out += items.empty() ? std::string(kSpaceClass)
                            : "(?:(?![" + items + "])" + kSpaceClass + ")";
    } else {
      *out += items.empty() ? std::string(kNonSpaceClass)
                            : "(?:[" + items + "]|" + kNonSpaceClass + ")";
    }
  } else {
    // With both \s and \S present the class takes every character either way.
    *out += negated ? "[^" : "[";
    *out += items;
    if (hasNonSpace) *out += "\\S";
    *out += "]";
  }
  return pos;
}

}  // namespace

bool TranslateVbscriptPattern(const std::string& p, bool multiLine, std::string* out) {
  out->clear();
  const int groups = CountGroups(p);
  bool afterQuantifier = false;  // a lazy "?" or a possessive "+" may follow
  bool quantifierIsLazy = false;
  bool afterAnchor = false;  // "^*" and "$+" repeat nothing in this dialect
  size_t i = 0;
  while (i < p.size()) {
    char c = p[i];
    bool quantifier = false;
    if (c == '\\') {
      if (i + 1 >= p.size()) return false;  // a trailing backslash
      char e = p[i + 1];
      i += 2;
      if (e == 's') {
        *out += kSpaceClass;
      } else if (e == 'S') {
        *out += kNonSpaceClass;
      } else if (e == 'v') {
        *out += "\\x0B";
      } else if (e >= '1' && e <= '9') {
        size_t end = i - 1;
        int number = 0;
        while (end < p.size() && IsDigit(p[end]) && number <= groups) {
          number = number * 10 + (p[end] - '0');
          ++end;
        }
        if (number >= 1 && number <= groups) {
          *out += "\\g{" + std::to_string(number) + "}";
          i = end;
        } else {
          // No such group: a legacy octal escape, or the digit itself.
          unsigned value = 0;
          size_t used = ReadOctal(p, i - 1, &value);
          if (used == 0) {
            *out += e;
          } else {
            *out += CodePointEscape(value);
            i += used - 1;
          }
        }
      } else if (e == '0') {
        unsigned value = 0;
        size_t used = ReadOctal(p, i - 1, &value);
        *out += CodePointEscape(value);
        i += used - 1;
      } else if (e == 'c' && i < p.size() && IsAsciiLetter(p[i])) {
        *out += "\\c";
        *out += p[i++];
      } else if (IsAsciiLetter(e) && !IsSharedLetterEscape(e)) {
        *out += e;
      } else {
        *out += '\\';
        *out += e;
      }
    } else if (c == '[') {
      size_t next = TranslateClass(p, i, out);
      if (next == 0) return false;
      i = next;
    } else if (c == '(') {
      if (i + 1 < p.size() && p[i + 1] == '*') return false;  // PCRE2 verbs and options
      if (i + 1 < p.size() && p[i + 1] == '?') {
        // Only (?: (?= (?! exist in this dialect.
        if (i + 2 >= p.size() || std::strchr(":=!", p[i + 2]) == nullptr) return false;
        *out += p.substr(i, 3);
        i += 3;
      } else {
        *out += c;
        ++i;
      }
    } else if (c == '^') {
      // Line starts also follow a carriage return in this dialect.
      *out += multiLine ? "(?:^|(?<=\\r))" : "^";
      ++i;
    } else if (c == '$') {
      *out += multiLine ? "(?:$|(?=\\r))" : "$";
      ++i;
    } else if (c == '*' || c == '+' || c == '?') {
      if (afterAnchor) return false;
      if (afterQuantifier) {
        // "a*?" is lazy; anything further ("a*+", "a*?+", "a??+") is an
        // error in this dialect, and PCRE2 would read some as possessive.
        if (c != '?' || quantifierIsLazy) return false;
        quantifierIsLazy = true;
        *out += c;
        ++i;
        continue;
      }
      quantifier = true;
      *out += c;
      ++i;
    } else if (c == '{') {
      size_t end = i + 1;
      size_t digits = 0;
      while (end < p.size() && IsDigit(p[end])) ++end, ++digits;
      if (digits > 0 && end < p.size() && p[end] == ',') {
        ++end;
        while (end < p.size() && IsDigit(p[end])) ++end;
      }
      if (digits > 0 && end < p.size() && p[end] == '}') {
        if (afterQuantifier || afterAnchor) return false;
        quantifier = true;
        *out += p.substr(i, end + 1 - i);
        i = end + 1;
      } else {
        *out += "\\{";  // a brace that opens no quantifier is a plain brace
        ++i;
      }
    } else {
      *out += c;
      ++i;
    }
    afterQuantifier = quantifier;
    quantifierIsLazy = false;
    afterAnchor = c == '^' || c == '$';
  }
  return true;
}

}  // namespace tzl
