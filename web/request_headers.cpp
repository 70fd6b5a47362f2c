#include "web/request_headers.h"

#include <vector>

#include "web/split_text.h"

namespace tzl {

namespace {

struct DefaultHeaderLine {
  const char* search;
  const char* line;
  bool postOnly;
};

const DefaultHeaderLine kDefaultHeaderLines[] = {
    {"User-Agent: ", "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n", false},
    {"Accept: ", "Accept: text/html, application/xhtml+xml, */*\r\n", false},
    {"Accept-Encoding: ", "Accept-Encoding: gbk, GB2312\r\n", false},
    {"Accept-Language: ", "Accept-Language: zh-cn\r\n", false},
    {"Content-Type:", "Content-Type: application/x-www-form-urlencoded\r\n", true},
    {"Cache-Control: ", "Cache-Control: no-cache\r\n", false},
};

constexpr int kMethodPost = 1;

char UpperAscii(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

Text AddDefaultHeaderLines(const Text& block, int method) {
  Text result = block;
  for (const DefaultHeaderLine& entry : kDefaultHeaderLines) {
    if (entry.postOnly && method != kMethodPost) continue;
    if (!ContainsText(result, entry.search, true)) result += entry.line;
  }
  return result;
}

Text NormaliseHeaderNames(const Text& block) {
  std::vector<Text> kept;
  for (Text line : SplitText(block, "\r\n")) {
    size_t colon = FindText(line, ":");
    if (colon == kNotFound) continue;
    // Trail bytes of code page 936 are 0x40 and above, so neither "-" nor
    // ":" can be the second half of a character: bytewise is safe here.
    for (size_t i = 0; i < colon; ++i) {
      if (i == 0 || line[i - 1] == '-') line[i] = UpperAscii(line[i]);
    }
    kept.push_back(line);
  }
  return JoinText(kept, "\r\n");
}

Text DropKeepAliveLine(const Text& block) {
  if (!ContainsText(block, "Connection")) return block;
  for (const Text& line : SplitText(block, "\r\n")) {
    if (!StartsWith(line, "Connection")) continue;
    Text value;
    const Text marker = "Connection: ";
    size_t last = kNotFound;
    for (size_t at = FindText(line, marker); at != kNotFound; at = FindText(line, marker, at + 1)) last = at;
    if (last != kNotFound) value = line.substr(last + marker.size());
    if (value == "keep-alive") return RemoveAll(block, "Connection: keep-alive\r\n");
    return block;
  }
  return block;
}

Text AddCookieLine(const Text& block, const Text& cookiesIn) {
  if (cookiesIn.empty() || ContainsText(block, "Cookie:", true)) return block;
  if (ContainsText(cookiesIn, "Cookie:", true)) return block + "\r\n" + cookiesIn + "\r\n";
  return block + "\r\nCookie: " + cookiesIn + "\r\n";
}

Text BuildRequestHeaderBlock(const Text& extraHeaders, int method, const Text& cookiesIn, bool addDefaultHeaders,
                             bool normaliseHeaderCase) {
  Text block = extraHeaders.empty() ? Text() : extraHeaders + "\r\n";
  if (addDefaultHeaders) block = AddDefaultHeaderLines(block, method);
  if (normaliseHeaderCase) block = NormaliseHeaderNames(block);
  block = DropKeepAliveLine(block);
  return AddCookieLine(block, cookiesIn);
}

}  // namespace tzl
