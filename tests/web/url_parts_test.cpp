// Cutting addresses and making their targets safe for the wire.
#include <gtest/gtest.h>

#include "web/redirect_target.h"
#include "web/request_target.h"
#include "web/url_parts.h"

namespace tzl {
namespace {

TEST(CrackUrlTest, PartsAndRequestPath) {
  struct Case {
    const char* url;
    bool secure;
    const char* host;
    int port;
    const char* path;
    const char* hostHeader;
  } cases[] = {
      {"http://example.com", false, "example.com", 80, "/", "example.com"},
      {"http://example.com/", false, "example.com", 80, "/", "example.com"},
      {"http://example.com?a=1", false, "example.com", 80, "/", "example.com"},
      {"http://example.com/p?a=1", false, "example.com", 80, "/p?a=1", "example.com"},
      {"http://example.com/p#frag", false, "example.com", 80, "/p#frag", "example.com"},
      {"HTTPS://Example.com:8443/x", true, "Example.com", 8443, "/x", "Example.com:8443"},
      {"https://example.com:443/", true, "example.com", 443, "/", "example.com"},
      {"http://user:pw@example.com/", false, "example.com", 80, "/", "example.com"},
      {"http://[::1]:8080/v6", false, "::1", 8080, "/v6", "[::1]:8080"},
  };
  for (const auto& c : cases) {
    UrlParts parts;
    ASSERT_TRUE(CrackUrl(c.url, &parts)) << c.url;
    EXPECT_EQ(parts.secure, c.secure) << c.url;
    EXPECT_EQ(parts.host, c.host) << c.url;
    EXPECT_EQ(parts.port, c.port) << c.url;
    EXPECT_EQ(parts.requestPath, c.path) << c.url;
    EXPECT_EQ(HostHeaderValue(parts), c.hostHeader) << c.url;
  }
}

TEST(CrackUrlTest, RefusesWhatIsNoAbsoluteHttpAddress) {
  for (const char* url : {"", "example.com/x", "ftp://example.com/", "http://", "http:///p", "http://h:0/",
                          "http://h:65536/", "http://h:8x/", "http://[::1/", "http://a b/"}) {
    UrlParts parts;
    EXPECT_FALSE(CrackUrl(url, &parts)) << url;
  }
}

TEST(RequestTargetTest, UnsafeBytesArePercentEncoded) {
  struct Case {
    Text in, out;
  } cases[] = {
      {"http://h/s?q=a\r\nX: 1", "http://h/s?q=a%0D%0AX:%201"},
      {"http://h/s?q=中文", "http://h/s?q=%E4%B8%AD%E6%96%87"},
      {"http://h/s?q=\t\x7f", "http://h/s?q=%09%7F"},
      {"http://h/s?q=a%20b&r=<\"'>{}|^`", "http://h/s?q=a%20b&r=<\"'>{}|^`"},
      {"http://h", "http://h"},
      {"http://h?x= y", "http://h?x=%20y"},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(EncodeUnsafeTargetBytes(c.in), c.out) << c.in;
}

TEST(RedirectTargetTest, LocationsSeenFromTheAnsweringAddress) {
  UrlParts from;
  ASSERT_TRUE(CrackUrl("https://example.com:8443/dir/page?x=1", &from));
  struct Case {
    const char* location;
    const char* target;
  } cases[] = {
      {"http://other.test/a", "http://other.test/a"},
      {"HTTPS://other.test/a", "HTTPS://other.test/a"},
      {"//other.test/a", "https://other.test/a"},
      {"/top", "https://example.com:8443/top"},
      {"next?y=2", "https://example.com:8443/dir/next?y=2"},
      {"?y=2", "https://example.com:8443/dir/page?y=2"},
  };
  for (const Case& c : cases) EXPECT_EQ(RedirectTarget(from, c.location), c.target) << c.location;
}

}  // namespace
}  // namespace tzl
