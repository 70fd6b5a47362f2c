// WebRequest against the fixture services, one suite for both transports
// (WinHttp in the Windows build, libcurl natively): what the server saw and
// what the caller got.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/fixture_http_client.h"
#include "tests/support/fixture_services.h"
#include "tests/support/test_support.h"
#include "tests/support/wine_detection.h"
#include "web/web_request.h"

namespace tzl {
namespace {

using test::FixtureServices;
using test::RecordedRequest;

const char kUserAgent[] = "Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)";

class WebRequestTest : public ::testing::Test {
 protected:
  void SetUp() override { FixtureServices::Instance().RouteAllHosts(); }

  // A query token no other request of this run carries.
  static std::string Unique(const std::string& path) {
    static std::atomic<int> counter{0};
    static const std::string run = std::to_string(static_cast<long long>(std::time(nullptr)));
    return path + "?t=" + run + "-" + std::to_string(++counter);
  }

  // The one request the server recorded for `target`.
  static RecordedRequest Seen(const std::string& target) {
    std::vector<RecordedRequest> matching;
    for (const RecordedRequest& r : FixtureServices::Instance().Requests()) {
      if (r.target == target) matching.push_back(r);
    }
    EXPECT_EQ(matching.size(), 1u) << target;
    return matching.empty() ? RecordedRequest() : matching.back();
  }

  static std::vector<std::string> HeaderLines(const RecordedRequest& request) {
    std::vector<std::string> lines;
    for (const auto& header : request.headers) lines.push_back(header.first + ": " + header.second);
    return lines;
  }
};

TEST_F(WebRequestTest, DefaultGetSendsTheDefaultLinesInOrder) {
  std::string target = Unique("/wr/basic");
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + target, args);

  RecordedRequest seen = Seen(target);
  EXPECT_EQ(seen.requestLine, "GET " + target + " HTTP/1.1");
  EXPECT_EQ(seen.host, "fixture.test");
  std::vector<std::string> expected = {
      "User-Agent: " + std::string(kUserAgent), "Accept: text/html, application/xhtml+xml, */*",
      "Accept-Encoding: gbk, GB2312",           "Accept-Language: zh-cn",
      "Cache-Control: no-cache",                "Host: fixture.test",
      // WinHttp's own line; the libcurl transport sends it too.
      "Connection: Keep-Alive",
  };
  std::vector<std::string> lines = HeaderLines(seen);
  std::sort(lines.begin(), lines.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(lines, expected);
  EXPECT_EQ(seen.body, "");

  EXPECT_EQ(text, "<html><body>basic page</body></html>");
  EXPECT_EQ(args.responseBytes, text);
  EXPECT_EQ(args.status, "200 OK");
  EXPECT_EQ(args.responseHeaders,
            "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nSet-Cookie: sid=12; path=/\r\nSet-Cookie: lang=cn\r\n"
            "X-Fixture: basic\r\nContent-Length: 36\r\n\r\n");
  EXPECT_EQ(args.cookiesOut, "sid=12; lang=cn");
  EXPECT_EQ(args.cookiesIn, "");
  EXPECT_EQ(args.location, "");
}

TEST_F(WebRequestTest, DefaultLinesKeepTheirTableOrder) {
  std::string target = Unique("/wr/echo/order");
  WebRequest("http://fixture.test" + target);
  std::vector<std::string> names;
  for (const auto& header : Seen(target).headers) {
    if (header.first != "Host") names.push_back(header.first);
  }
  EXPECT_EQ(names, (std::vector<std::string>{"User-Agent", "Accept", "Accept-Encoding", "Accept-Language",
                                             "Cache-Control", "Connection"}));
}

TEST_F(WebRequestTest, CallerHeadersAreNormalisedAndKeepAliveDropped) {
  std::string target = Unique("/wr/echo/headers");
  WebRequestArgs args;
  args.extraHeaders = "x-requested-with: XMLHttpRequest\r\nconnection: keep-alive\r\nuser-agent: probe";
  args.cookiesIn = "a=1; b=2";
  WebRequest("http://fixture.test" + target, args);
  RecordedRequest seen = Seen(target);
  std::vector<std::string> names;
  for (const auto& header : seen.headers) names.push_back(header.first);
  EXPECT_NE(std::find(names.begin(), names.end(), "X-Requested-With"), names.end());
  EXPECT_EQ(test::HeaderValue(seen, "User-Agent"), "probe");
  EXPECT_EQ(std::count(names.begin(), names.end(), "User-Agent"), 1);
  EXPECT_EQ(test::HeaderValue(seen, "Cookie"), "a=1; b=2");
  for (const auto& header : seen.headers) {
    EXPECT_FALSE(header.first == "Connection" && header.second == "keep-alive") << "keep-alive line sent";
  }
}

TEST_F(WebRequestTest, RequestPathRules) {
  struct Case {
    std::string url, target;
  } cases[] = {
      {"http://fixture.test", "/"},
      {"http://fixture.test/", "/"},
      {"http://fixture.test?dropped=1", "/"},
  };
  for (const Case& c : cases) {
    size_t before = FixtureServices::Instance().RequestsFor("").size();
    WebRequestArgs args;
    Text text = WebRequest(c.url, args);
    EXPECT_EQ(text, "root page") << c.url;
    std::vector<RecordedRequest> all = FixtureServices::Instance().Requests();
    ASSERT_GT(all.size(), before);
    bool found = false;
    for (size_t i = before; i < all.size(); ++i) found = found || (all[i].host == "fixture.test" && all[i].target == c.target);
    EXPECT_TRUE(found) << c.url;
  }
  std::string target = Unique("/wr/echo/p");
  WebRequest("http://fixture.test" + target);
  EXPECT_EQ(Seen(target).requestLine, "GET " + target + " HTTP/1.1");
}

TEST_F(WebRequestTest, MethodsAndBodies) {
  struct Case {
    int method;
    const char* word;
  } cases[] = {{0, "GET"}, {1, "POST"}, {3, "PUT"}, {5, "DELETE"}, {8, "GET"}, {-1, "GET"}};
  for (const Case& c : cases) {
    std::string target = Unique("/wr/echo/method");
    WebRequestArgs args;
    args.method = c.method;
    args.bodyText = "k=中";
    WebRequest("http://fixture.test" + target, args);
    RecordedRequest seen = Seen(target);
    EXPECT_EQ(seen.method, c.word) << c.method;
    EXPECT_EQ(seen.body, "k=中") << c.method;
    EXPECT_EQ(test::HeaderValue(seen, "Content-Length"), "4") << c.method;
    EXPECT_EQ(test::HeaderValue(seen, "Content-Type"), c.method == 1 ? "application/x-www-form-urlencoded" : "")
        << c.method;
  }
  std::string target = Unique("/wr/echo/bytes");
  WebRequestArgs args;
  args.method = 1;
  args.bodyText = "ignored";
  args.bodyBytes = std::string("a\0b", 3);
  WebRequest("http://fixture.test" + target, args);
  EXPECT_EQ(Seen(target).body, std::string("a\0b", 3));
}

TEST_F(WebRequestTest, HostileQueryCannotAddHeaderLines) {
  std::string target = Unique("/wr/echo/q");
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + target + "&q=a\r\nX-Injected: 1 中<>\"", args);
  EXPECT_EQ(args.status, "200 OK");
  RecordedRequest seen = Seen(target + "&q=a%0D%0AX-Injected:%201%20%E4%B8%AD<>\"");
  EXPECT_EQ(test::HeaderValue(seen, "X-Injected"), "");
  EXPECT_EQ(text, "echo");
}

TEST_F(WebRequestTest, CookiesSentReplacedAndDeleted) {
  WebRequestArgs args;
  args.cookiesIn = "a=1; b=2";
  std::string target = Unique("/wr/set-a");
  WebRequest("http://fixture.test" + target, args);
  EXPECT_EQ(test::HeaderValue(Seen(target), "Cookie"), "a=1; b=2");
  EXPECT_EQ(args.cookiesIn, "a=9; b=2");
  EXPECT_EQ(args.cookiesOut, "a=9; b=2");

  WebRequestArgs deleting;
  deleting.cookiesIn = "a=1; b=2";
  WebRequest("http://fixture.test" + Unique("/wr/delete-a"), deleting);
  EXPECT_EQ(deleting.cookiesOut, "b=2");
  EXPECT_EQ(deleting.cookiesIn, "b=2");
}

TEST_F(WebRequestTest, RedirectsFollowedAndNot) {
  WebRequestArgs followed;
  EXPECT_EQ(WebRequest("http://fixture.test" + Unique("/wr/redirect-1"), followed), "arrived");
  EXPECT_EQ(followed.status, "200 OK");
  EXPECT_EQ(followed.location, "");
  EXPECT_EQ(followed.responseHeaders, "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nContent-Length: 7\r\n\r\n");

  WebRequestArgs stopped;
  stopped.noRedirect = true;
  stopped.location = "before";
  EXPECT_EQ(WebRequest("http://fixture.test" + Unique("/wr/redirect-1"), stopped), "moved once");
  EXPECT_EQ(stopped.status, "302 Found");
  EXPECT_EQ(stopped.location, "/wr/redirect-2");
}

TEST_F(WebRequestTest, RedirectsToAbsoluteAddressesStayRouted) {
  for (const char* path : {"/wr/redirect-absolute", "/wr/redirect-to-https"}) {
    WebRequestArgs args;
    EXPECT_EQ(WebRequest("http://fixture.test" + Unique(path), args), "arrived") << path;
    EXPECT_EQ(args.status, "200 OK") << path << ": " << test::Hex(args.status);
  }
}

TEST_F(WebRequestTest, NotFoundReturnsItsBody) {
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + Unique("/wr/no-such-page"), args);
  EXPECT_EQ(args.status, "404 Not Found");
  EXPECT_EQ(text, "<html><body>no fixture for this address</body></html>\n");
}

TEST_F(WebRequestTest, HttpsWithASelfSignedCertificate) {
  std::string target = Unique("/wr/basic");
  WebRequestArgs args;
  EXPECT_EQ(WebRequest("https://fixture.test" + target, args), "<html><body>basic page</body></html>");
  EXPECT_EQ(args.status, "200 OK");
  EXPECT_EQ(Seen(target).scheme, "https");
}

TEST_F(WebRequestTest, ZeroByteEndsTheTextButNotTheBytes) {
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + Unique("/wr/zero-byte"), args);
  // The declaration stands behind the zero byte: nothing is decoded.
  EXPECT_EQ(text, "before");
  EXPECT_EQ(args.responseBytes, std::string("before\0after <meta charset=\"utf-8\"> \xe4\xb8\xad", 39));
}

TEST_F(WebRequestTest, LargeBodyArrivesWhole) {
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + Unique("/wr/large"), args);
  ASSERT_EQ(args.responseBytes.size(), 5u * 1024 * 1024);
  EXPECT_EQ(args.responseBytes.substr(0, 16), "0123456789abcdef");
  EXPECT_EQ(args.responseBytes.substr(args.responseBytes.size() - 16), "0123456789abcdef");
  EXPECT_EQ(text.size(), args.responseBytes.size());
}

TEST_F(WebRequestTest, BodyStopsGrowingAt64MiB) {
  WebRequestArgs args;
  WebRequest("http://fixture.test" + Unique("/wr/huge"), args);
  EXPECT_EQ(args.responseBytes.size(), 64u * 1024 * 1024);
  EXPECT_EQ(args.status, "200 OK");
}

TEST_F(WebRequestTest, TruncatedBodyKeepsWhatArrived) {
  WebRequestArgs args;
  Text text = WebRequest("http://fixture.test" + Unique("/wr/truncated"), args);
  EXPECT_EQ(args.responseBytes.size(), 100u);
  EXPECT_EQ(text.substr(0, 10), "0123456789");
  // The status text of the response replaces a read-failure text.
  EXPECT_EQ(args.status, "200 OK");
}

TEST_F(WebRequestTest, FailureTexts) {
  struct Case {
    std::string url;
    int timeoutSeconds;
    Text status;
  } cases[] = {
      {"", 0, "701 解析URL地址失败!"},
      {"fixture.test/no-scheme", 0, "701 解析URL地址失败!"},
      {"ftp://fixture.test/", 0, "701 解析URL地址失败!"},
      {"http://127.0.0.1:" + std::to_string(test::ClosedLoopbackPort()) + "/refused", 0, "711 发送请求失败!"},
      {"http://fixture.test" + Unique("/wr/reset"), 0, "712 服务器未响应!"},
      {"http://fixture.test" + Unique("/wr/slow"), 1, "712 服务器未响应!"},
  };
  for (const Case& c : cases) {
    WebRequestArgs args;
    args.timeoutSeconds = c.timeoutSeconds;
    args.responseHeaders = "kept";
    args.responseBytes = "kept";
    args.location = "kept";
    EXPECT_EQ(WebRequest(c.url, args), "") << c.url;
    EXPECT_EQ(args.status, c.status) << c.url << ": " << test::Hex(args.status);
    EXPECT_EQ(args.responseHeaders, "kept");
    EXPECT_EQ(args.responseBytes, "kept");
    EXPECT_EQ(args.location, "kept");
  }
}

TEST_F(WebRequestTest, BlockWithoutDefaultLines) {
  std::string target = Unique("/wr/echo/bare");
  WebRequestArgs args;
  args.addDefaultHeaders = false;
  EXPECT_EQ(WebRequest("http://fixture.test" + target, args), "echo");
  EXPECT_EQ(args.status, "200 OK");
  std::vector<std::string> names;
  for (const auto& header : Seen(target).headers) names.push_back(header.first);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Connection", "Host"}));
}

TEST_F(WebRequestTest, LineWithoutNameIsRefusedWhenNotNormalised) {
  WebRequestArgs args;
  args.extraHeaders = "garbage";
  args.normaliseHeaderCase = false;
  EXPECT_EQ(WebRequest("http://fixture.test" + Unique("/wr/echo/garbage"), args), "");
  EXPECT_EQ(args.status, "710 设置协议头失败!");
  // Normalised, the line is dropped and the request goes out.
  WebRequestArgs normalised;
  normalised.extraHeaders = "garbage";
  EXPECT_EQ(WebRequest("http://fixture.test" + Unique("/wr/echo/garbage"), normalised), "echo");
}

TEST_F(WebRequestTest, BasicCredentialsOnlyWithUserAndPassword) {
  std::string both = Unique("/wr/echo/auth");
  WebRequestArgs args;
  args.serverUser = "user";
  args.serverPassword = "pass";
  WebRequest("http://fixture.test" + both, args);
  EXPECT_EQ(test::HeaderValue(Seen(both), "Authorization"), "Basic dXNlcjpwYXNz");

  std::string userOnly = Unique("/wr/echo/auth");
  WebRequestArgs half;
  half.serverUser = "user";
  WebRequest("http://fixture.test" + userOnly, half);
  EXPECT_EQ(test::HeaderValue(Seen(userOnly), "Authorization"), "");
  EXPECT_EQ(half.status, "200 OK");
}

TEST_F(WebRequestTest, NamedProxyGetsTheAbsoluteAddress) {
  if (test::RunningUnderWine()) {
    GTEST_SKIP() << "Wine's WinHttp takes the proxy list \"http=host:port\" for a host name";
  }
  std::string target = Unique("/wr/echo/proxied");
  WebRequestArgs args;
  args.proxy = "127.0.0.1:" + std::to_string(FixtureServices::Instance().HttpPort());
  EXPECT_EQ(WebRequest("http://fixture.test" + target, args), "echo") << test::Hex(args.status);
  RecordedRequest seen = Seen("http://fixture.test" + target);
  EXPECT_EQ(seen.requestLine, "GET http://fixture.test" + target + " HTTP/1.1");
  EXPECT_EQ(seen.host, "fixture.test");
}

TEST_F(WebRequestTest, HeadHasNoBody) {
  WebRequestArgs args;
  args.method = 2;
  EXPECT_EQ(WebRequest("http://fixture.test" + Unique("/wr/basic"), args), "");
  EXPECT_EQ(args.status, "200 OK");
  EXPECT_EQ(args.responseBytes, "");
}

TEST_F(WebRequestTest, CallsOnSeveralThreadsShareNothing) {
  std::vector<std::thread> threads;
  std::atomic<int> good{0};
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&good, t] {
      for (int i = 0; i < 10; ++i) {
        WebRequestArgs args;
        bool secure = (t + i) % 2 == 0;
        Text text = WebRequest(std::string(secure ? "https" : "http") + "://fixture.test/wr/utf8?thread=" +
                                   std::to_string(t) + "-" + std::to_string(i),
                               args);
        if (args.status == "200 OK" && text.find("中文") != Text::npos) ++good;
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  EXPECT_EQ(good.load(), 40);
}

struct DecodingCase {
  const char* path;
  Text text;
};

TEST_F(WebRequestTest, DeclaredCharsets) {
  const DecodingCase cases[] = {
      // "한" has no code-page-936 form.
      {"/wr/utf8", "<html><head><meta charset=\"utf-8\"><title>t</title></head><body>中文 ? end</body></html>"},
      {"/wr/utf8-http-equiv",
       "<HTML><HEAD><META HTTP-EQUIV=Content-Type CONTENT='text/html; CHARSET=UTF-8'></HEAD><BODY>中文</BODY></HTML>"},
      {"/wr/gb2312", "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\"><p>中文</p>"},
      {"/wr/unknown-charset", "<meta charset=\"x-no-such-set\"><p>\xe4\xb8\xad</p>"},
      {"/wr/utf8-header-only", "<html><body>\xe4\xb8\xad</body></html>"},
      {"/wr/utf8-split-tag", "<html><head><meta\n charset=\"utf-8\"></head><body>\xe4\xb8\xad</body></html>"},
  };
  for (const DecodingCase& c : cases) {
    EXPECT_EQ(WebRequest("http://fixture.test" + Unique(c.path)), c.text) << c.path;
  }
  Text late = WebRequest("http://fixture.test" + Unique("/wr/utf8-late"));
  EXPECT_EQ(late.substr(late.size() - 10), "<p>\xe4\xb8\xad</p>");
}

}  // namespace
}  // namespace tzl
