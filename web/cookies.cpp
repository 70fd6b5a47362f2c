#include "web/cookies.h"

#include <vector>

#include "web/split_text.h"

namespace tzl {

namespace {

Text PrepareForSplit(const Text& cookies) {
  Text trimmed = TrimBlanks(cookies);
  if (EndsWith(trimmed, ";")) trimmed += " ";
  return trimmed;
}

bool HasCookieNamed(const std::vector<Text>& cookies, const Text& name) {
  for (const Text& cookie : cookies) {
    if (CookieName(cookie) == name) return true;
  }
  return false;
}

}  // namespace

Text CookieName(const Text& cookie) {
  size_t equals = FindText(cookie, "=");
  return TrimBlanks(equals == kNotFound ? cookie : cookie.substr(0, equals));
}

void ScanResponseHeaderLines(const Text& responseHeaders, Text* cookiesOut, Text* location) {
  const Text locationPrefix = "Location: ";
  for (const Text& line : SplitText(responseHeaders, "\r\n")) {
    size_t separator = FindText(line, ": ");
    Text name = separator == kNotFound ? Text() : line.substr(0, separator);
    if (name == "Set-Cookie") {
      Text cookie = ContainsText(line, ";") ? TextBetween(line, "Set-Cookie:", ";")
                                            : RemoveAll(line, "Set-Cookie:", true);
      // Cookies the caller already held stay a cookie text of their own:
      // the first new one is separated from them, not glued to the last.
      if (!cookiesOut->empty() && !EndsWith(*cookiesOut, "; ")) *cookiesOut += "; ";
      *cookiesOut += TrimBlanks(cookie) + "; ";
    }
    if (line.size() >= locationPrefix.size() && EqualsIgnoringAsciiCase(line.substr(0, locationPrefix.size()), locationPrefix)) {
      *location = line.substr(locationPrefix.size());
    }
  }
}

void TidyCookies(Text* cookiesOut) {
  if (EndsWith(*cookiesOut, "; ")) cookiesOut->resize(cookiesOut->size() - 2);
}

void MergeCookies(Text* cookiesIn, Text* cookiesOut) {
  std::vector<Text> sent = SplitText(PrepareForSplit(*cookiesIn), "; ");
  std::vector<Text> merged = SplitText(PrepareForSplit(*cookiesOut), "; ");
  for (const Text& cookie : sent) {
    if (!HasCookieNamed(merged, CookieName(cookie))) merged.push_back(cookie);
  }
  std::vector<Text> alive;
  for (const Text& cookie : merged) {
    if (!EndsWith(cookie, "=deleted")) alive.push_back(cookie);
  }
  std::vector<Text> distinct;
  for (const Text& cookie : alive) {
    bool seen = false;
    for (const Text& kept : distinct) seen = seen || kept == cookie;
    if (!seen) distinct.push_back(cookie);
  }
  Text result = JoinText(distinct, "; ");
  *cookiesIn = result;
  *cookiesOut = result;
}

}  // namespace tzl
