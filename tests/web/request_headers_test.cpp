// The request header block and the response cookie and location handling.
#include <gtest/gtest.h>

#include "web/cookies.h"
#include "web/request_headers.h"

namespace tzl {
namespace {

const char kDefaultLines[] =
    "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
    "Accept: text/html, application/xhtml+xml, */*\r\n"
    "Accept-Encoding: gbk, GB2312\r\n"
    "Accept-Language: zh-cn\r\n"
    "Cache-Control: no-cache";

TEST(RequestHeaderBlockTest, DefaultsAloneEndWithoutFinalLineBreak) {
  EXPECT_EQ(BuildRequestHeaderBlock("", 0, "", true, true), kDefaultLines);
  // Without normalisation the block keeps the CR LF of every line.
  EXPECT_EQ(BuildRequestHeaderBlock("", 0, "", true, false), std::string(kDefaultLines) + "\r\n");
  EXPECT_EQ(BuildRequestHeaderBlock("", 0, "", false, true), "");
}

TEST(RequestHeaderBlockTest, ContentTypeOnlyForPost) {
  Text post = BuildRequestHeaderBlock("", 1, "", true, true);
  EXPECT_NE(post.find("Accept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded\r\nCache-Control"),
            Text::npos);
  EXPECT_EQ(BuildRequestHeaderBlock("", 3, "", true, true).find("Content-Type"), Text::npos);
  // The POST line's search text has no blank after the colon.
  EXPECT_EQ(BuildRequestHeaderBlock("content-type:text/plain", 1, "", true, true).find("x-www-form"), Text::npos);
}

TEST(RequestHeaderBlockTest, CallerLinesSuppressDefaultsCaselessAnywhere) {
  EXPECT_EQ(BuildRequestHeaderBlock("user-agent: x\r\nreferer: y", 0, "", true, true),
            "User-Agent: x\r\nReferer: y\r\n"
            "Accept: text/html, application/xhtml+xml, */*\r\nAccept-Encoding: gbk, GB2312\r\n"
            "Accept-Language: zh-cn\r\nCache-Control: no-cache");
  // "Accept: " occurs inside "X-Accept: 1", so the Accept line stays out.
  Text block = BuildRequestHeaderBlock("X-Accept: 1", 0, "", true, true);
  EXPECT_EQ(block.find("Accept: text/html"), Text::npos);
  EXPECT_NE(block.find("Accept-Encoding: gbk"), Text::npos);
}

TEST(RequestHeaderBlockTest, NormalisationOfNames) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"user-agent: a-b", "User-Agent: a-b"},
      {"x-requested-with: q", "X-Requested-With: q"},
      {"USER-AGENT: x", "USER-AGENT: x"},
      {"garbage\r\nx: 1\r\n\r\n", "X: 1"},
      {"a:b:c", "A:b:c"},
      {"-x: 1", "-X: 1"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseHeaderNames(c.in), c.out) << c.in;
  // Off: the line without a colon stays.
  EXPECT_EQ(BuildRequestHeaderBlock("garbage", 0, "", false, false), "garbage\r\n");
}

TEST(RequestHeaderBlockTest, KeepAliveRule) {
  struct Case {
    const char* extra;
    bool normalise;
    const char* out;
  } cases[] = {
      {"Connection: keep-alive\r\nX-A: 1", true, "X-A: 1"},
      {"Connection: close\r\nX-A: 1", true, "Connection: close\r\nX-A: 1"},
      {"Connection: Keep-Alive\r\nX-A: 1", true, "Connection: Keep-Alive\r\nX-A: 1"},
      {"connection: keep-alive\r\nX-A: 1", false, "connection: keep-alive\r\nX-A: 1\r\n"},
      {"connection: keep-alive\r\nX-A: 1", true, "X-A: 1"},
      {"X-A: 1\r\nConnection: keep-alive", true, "X-A: 1\r\nConnection: keep-alive"},
      {"X-Connection: a\r\nConnection: keep-alive\r\nX-B: 1", true, "X-Connection: a\r\nX-B: 1"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BuildRequestHeaderBlock(c.extra, 0, "", false, c.normalise), c.out) << c.extra;
  }
}

TEST(RequestHeaderBlockTest, CookieLine) {
  EXPECT_EQ(BuildRequestHeaderBlock("X: 1", 0, "a=1; b=2", false, true), "X: 1\r\nCookie: a=1; b=2\r\n");
  EXPECT_EQ(BuildRequestHeaderBlock("X: 1", 0, "Cookie: a=1", false, true), "X: 1\r\nCookie: a=1\r\n");
  EXPECT_EQ(BuildRequestHeaderBlock("cookie: z=9", 0, "a=1", false, true), "Cookie: z=9");
  // Without normalisation an empty line stands before the Cookie line.
  EXPECT_EQ(BuildRequestHeaderBlock("X: 1", 0, "a=1", false, false), "X: 1\r\n\r\nCookie: a=1\r\n");
  EXPECT_EQ(BuildRequestHeaderBlock("X: 1", 0, "", false, true), "X: 1");
}

struct ResponseCase {
  const char* name;
  const char* headers;
  const char* cookiesIn;
  bool merge;
  const char* cookiesInAfter;
  const char* cookiesOutAfter;
  const char* location;
};

void RunResponseSide(const ResponseCase& c, Text* cookiesIn, Text* cookiesOut, Text* location) {
  *cookiesIn = c.cookiesIn;
  cookiesOut->clear();
  *location = "unchanged";
  ScanResponseHeaderLines(c.headers, cookiesOut, location);
  TidyCookies(cookiesOut);
  if (c.merge && !cookiesIn->empty()) MergeCookies(cookiesIn, cookiesOut);
}

TEST(ResponseHeaderLinesTest, CookiesAndLocation) {
  const ResponseCase cases[] = {
      {"two set-cookie lines", "HTTP/1.1 200 OK\r\nSet-Cookie: sid=12; path=/\r\nSet-Cookie: lang=cn\r\n\r\n", "",
       true, "", "sid=12; lang=cn", "unchanged"},
      {"lower-case name not taken", "HTTP/1.1 200 OK\r\nset-cookie: sid=12\r\n\r\n", "", true, "", "", "unchanged"},
      {"response replaces a sent cookie", "HTTP/1.1 200 OK\r\nSet-Cookie: a=9\r\n\r\n", "a=1; b=2", true,
       "a=9; b=2", "a=9; b=2", "unchanged"},
      {"deleted cookie dropped", "HTTP/1.1 200 OK\r\nSet-Cookie: a=deleted\r\n\r\n", "a=1; b=2", true, "b=2", "b=2",
       "unchanged"},
      {"identical lines once", "HTTP/1.1 200 OK\r\nSet-Cookie: sid=1\r\nSet-Cookie: sid=1\r\n\r\n", "x=1", true,
       "sid=1; x=1", "sid=1; x=1", "unchanged"},
      {"repeats and deleted without set-cookie", "HTTP/1.1 200 OK\r\n\r\n", "a=1; a=1; b=deleted", true, "a=1", "a=1",
       "unchanged"},
      {"merge off", "HTTP/1.1 200 OK\r\nSet-Cookie: a=9\r\n\r\n", "a=1", false, "a=1", "a=9", "unchanged"},
      {"upper-case location", "HTTP/1.1 302 Found\r\nLOCATION: /next\r\n\r\n", "", true, "", "", "/next"},
      {"last location wins", "HTTP/1.1 302 Found\r\nLocation: /a\r\nlocation: /b\r\n\r\n", "", true, "", "", "/b"},
      {"trailing semicolon in sent cookies", "HTTP/1.1 200 OK\r\n\r\n", " a=1; b=2; ", true, "a=1; b=2", "a=1; b=2",
       "unchanged"},
  };
  for (const ResponseCase& c : cases) {
    Text cookiesIn, cookiesOut, location;
    RunResponseSide(c, &cookiesIn, &cookiesOut, &location);
    EXPECT_EQ(cookiesIn, c.cookiesInAfter) << c.name;
    EXPECT_EQ(cookiesOut, c.cookiesOutAfter) << c.name;
    EXPECT_EQ(location, c.location) << c.name;
  }
}

TEST(ResponseHeaderLinesTest, CookiesAppendToWhatTheCallerHeld) {
  Text cookiesOut = "old=1", location;
  ScanResponseHeaderLines("HTTP/1.1 200 OK\r\nSet-Cookie: n=2\r\n\r\n", &cookiesOut, &location);
  TidyCookies(&cookiesOut);
  EXPECT_EQ(cookiesOut, "old=1; n=2");
}

TEST(ResponseHeaderLinesTest, CookieNames) {
  EXPECT_EQ(CookieName(" a =1"), "a");
  EXPECT_EQ(CookieName("flag"), "flag");
  EXPECT_EQ(CookieName("k=v=w"), "k");
}

}  // namespace
}  // namespace tzl
