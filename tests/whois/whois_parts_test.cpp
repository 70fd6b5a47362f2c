// The gateway's pieces that need no socket: names, Punycode, the IANA
// referral line, record text, request heads and listen addresses.
#include <gtest/gtest.h>

#include "tests/support/test_support.h"
#include "whois/domain_name.h"
#include "whois/http_request.h"
#include "whois/listen_address.h"
#include "whois/punycode.h"
#include "whois/record_text.h"
#include "whois/registry_directory.h"

namespace tzl {
namespace {

std::vector<char32_t> CodePoints(const std::u32string& text) { return std::vector<char32_t>(text.begin(), text.end()); }

TEST(Punycode, EncodesTheSamplesOfItsDefinition) {
  struct Case {
    std::u32string label;
    const char* encoded;
  };
  const Case cases[] = {
      {U"他们为什么不说中文", "ihqwcrb4cv8a8dqg056pqjye"},  // RFC 3492 7.1 (B)
      {U"3年B組金八先生", "3B-ww4c5e180e575a65lsy2b"},    // (L): basic code points kept
      {U"中文", "fiq228c"},
      {U"中国", "fiqs8s"},
      {U"abc", "abc-"},
  };
  for (const Case& c : cases) {
    std::string out;
    ASSERT_TRUE(PunycodeEncode(CodePoints(c.label), &out));
    EXPECT_EQ(out, c.encoded);
  }
  std::string out;
  EXPECT_FALSE(PunycodeEncode({0x110000}, &out));
}

TEST(RegistryName, AcceptsLetterDigitHyphenAndIdnaNames) {
  struct Case {
    std::string requested;
    const char* ascii;
  };
  const Case cases[] = {
      {"example.com", "example.com"},
      {"EXAMPLE.Com", "example.com"},
      {"a-1.b2.cn", "a-1.b2.cn"},
      {"example.com.", "example.com"},  // the root's dot
      {"xn--fiq228c.cn", "xn--fiq228c.cn"},
      {u8"中文.cn", "xn--fiq228c.cn"},
      {"中文.cn", "xn--fiq228c.cn"},  // code page 936, as the program's text
      {u8"例子.中国", "xn--fsqu00a.xn--fiqs8s"},
      {std::string(63, 'a') + ".com", nullptr},
      {std::string(63, 'a') + "." + std::string(63, 'b') + "." + std::string(63, 'c') + "." + std::string(61, 'd'),
       nullptr},  // 253 bytes, the most DNS allows
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(test::Hex(c.requested));
    std::string ascii;
    ASSERT_TRUE(ToRegistryName(c.requested, &ascii));
    EXPECT_EQ(ascii, c.ascii ? c.ascii : c.requested);
  }
}

TEST(RegistryName, RefusesEverythingElse) {
  const std::string refused[] = {
      "", "com", ".", "example..com", ".example.com", "example.com..", "-a.com", "a-.com", "a b.com", "a_b.com",
      "a.com\r\nb.com", std::string("a.c\0m", 5), "1.2.3.4", "example.123", std::string(64, 'a') + ".com",
      u8"exämple.com", u8"例子。com", u8"Ｅxample.com", "\xFF\xFE.com",
      std::string(63, 'a') + "." + std::string(63, 'b') + "." + std::string(63, 'c') + "." + std::string(62, 'd'),  // 254 bytes
  };
  for (const std::string& name : refused) {
    SCOPED_TRACE(test::Hex(name));
    std::string ascii = "untouched";
    EXPECT_FALSE(ToRegistryName(name, &ascii));
    EXPECT_EQ(ascii, "");
  }
}

TEST(RegistryName, TopLevelLabelIsTheLastOne) {
  EXPECT_EQ(TopLevelLabel("example.com.cn"), "cn");
  EXPECT_EQ(TopLevelLabel("xn--fsqu00a.xn--fiqs8s"), "xn--fiqs8s");
}

TEST(Referral, ServerComesFromTheFirstReferLine) {
  struct Case {
    const char* answer;
    const char* server;
  };
  const Case cases[] = {
      {"% IANA WHOIS server\n\ndomain:       COM\n\nrefer:        whois.verisign-grs.com\n", "whois.verisign-grs.com"},
      {"refer: whois.cnnic.cn\r\nrefer: other.example\r\n", "whois.cnnic.cn"},
      {"Refer:\twhois.nic.big \t\r\n", "whois.nic.big"},
      {"refer:        whois.nic.last", "whois.nic.last"},  // no line break at the end
      {"% This query returned 0 objects.\n", ""},
      {"domain: X\nwhois: whois.nic.x\n", ""},            // only refer: counts
      {"  refer: whois.nic.x\n", ""},                     // must start the line
      {"refer:\n", ""},
      {"refer: whois.nic.x extra\n", ""},                 // not a host name
      {"refer: whois.nic.x;rm\n", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer);
    EXPECT_EQ(ReferralServer(c.answer), c.server);
  }
}

TEST(RecordText, Utf8RecordsAreConvertedOthersPassAsTheyAre) {
  EXPECT_EQ(RecordToAnsi("Domain Name: a.com\r\n", false), "Domain Name: a.com\r\n");
  EXPECT_EQ(RecordToAnsi(u8"Registrant: 中国互联网络信息中心\n", false), "Registrant: 中国互联网络信息中心\n");
  // Already code page 936 (not UTF-8): left alone.
  EXPECT_EQ(RecordToAnsi("Registrant: 中国互联网络信息中心\n", false), "Registrant: 中国互联网络信息中心\n");
  // A character with no code-page-936 form becomes a question mark.
  const std::string thai = u8"Name: ก";  // outside the macro: its text is not code page 936
  EXPECT_EQ(RecordToAnsi(thai, false), "Name: ?");
  EXPECT_EQ(RecordToAnsi(std::string("a\0b", 3), false), "ab");
}

TEST(RecordText, CharacterSplitByTheCapIsDropped) {
  const std::string utf8 = u8"Registrant: 中国";  // 中国 is 6 bytes in UTF-8
  EXPECT_EQ(RecordToAnsi(utf8.substr(0, utf8.size() - 1), true), "Registrant: 中");
  EXPECT_EQ(RecordToAnsi(utf8.substr(0, utf8.size() - 2), true), "Registrant: 中");
  const std::string gbk = "Registrant: 中国";  // 4 bytes in code page 936
  EXPECT_EQ(RecordToAnsi(gbk.substr(0, gbk.size() - 1), true), "Registrant: 中");
  // Without the cut a broken tail is not UTF-8, and passes unchanged.
  EXPECT_EQ(RecordToAnsi(utf8.substr(0, utf8.size() - 1), false), utf8.substr(0, utf8.size() - 1));
}

TEST(RequestHead, EndIsFoundWithinTheSizeLimit) {
  size_t length = 0;
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\r\nHost: x\r\n", &length), HeadState::NeedMore);
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\r\nHost: x\r\n\r\nbody", &length), HeadState::Complete);
  EXPECT_EQ(length, 27u);
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.0\n\n", &length), HeadState::Complete);
  EXPECT_EQ(length, 16u);
  EXPECT_EQ(FindHeadEnd("GET / HTTP/1.1\r\nX: " + std::string(kMaxRequestHeadBytes, 'x'), &length),
            HeadState::TooLarge);
  std::string exact = "GET / HTTP/1.1\r\nX: ";
  exact += std::string(kMaxRequestHeadBytes - exact.size() - 4, 'x') + "\r\n\r\n";
  EXPECT_EQ(FindHeadEnd(exact, &length), HeadState::Complete);
  EXPECT_EQ(FindHeadEnd(exact.substr(0, exact.size() - 4) + "x\r\n\r\n", &length), HeadState::TooLarge);
}

TEST(RequestHead, QueryValueIsPercentDecoded) {
  EXPECT_EQ(PercentDecode("a%2Eb%2ec"), "a.b.c");
  EXPECT_EQ(PercentDecode("%E4%B8%AD"), u8"中");
  EXPECT_EQ(PercentDecode("100%"), "100%");
  EXPECT_EQ(PercentDecode("%4"), "%4");
  EXPECT_EQ(PercentDecode("%zz+x"), "%zz+x");
  std::string value;
  EXPECT_TRUE(QueryParameter("x=1&domain=a%2Ecom&domain=b.com", "domain", &value));
  EXPECT_EQ(value, "a.com");
  EXPECT_TRUE(QueryParameter("domain", "domain", &value));
  EXPECT_EQ(value, "");
  EXPECT_FALSE(QueryParameter("domains=a.com&x", "domain", &value));
}

TEST(RequestHead, RequestLineDecidesTheAnswer) {
  struct Case {
    const char* head;
    RequestKind kind;
    const char* domain;
  };
  const Case cases[] = {
      {"GET /?domain=example.com HTTP/1.1\r\n\r\n", RequestKind::Record, "example.com"},
      {"GET /?domain=example.com#x HTTP/1.1\r\n\r\n", RequestKind::Record, "example.com"},
      {"GET / HTTP/1.1\r\n\r\n", RequestKind::Record, ""},
      {"GET http://h:1?domain=a.com HTTP/1.1\r\n\r\n", RequestKind::Record, "a.com"},
      {"PUT /?domain=a.com HTTP/1.1\r\n\r\n", RequestKind::MethodNotAllowed, ""},
      {"get /?domain=a.com HTTP/1.1\r\n\r\n", RequestKind::MethodNotAllowed, ""},
      {"GET /x?domain=a.com HTTP/1.1\r\n\r\n", RequestKind::NotFound, ""},
      {"GET  /?domain=a.com HTTP/1.1\r\n\r\n", RequestKind::BadRequest, ""},
      {"GET /?domain=a.com HTTP/1.1 extra\r\n\r\n", RequestKind::BadRequest, ""},
      {"GET /?domain=a.com FTP/1.1\r\n\r\n", RequestKind::BadRequest, ""},
      {"GET /?domain=a\x01.com HTTP/1.1\r\n\r\n", RequestKind::BadRequest, ""},
      {"G\"T / HTTP/1.1\r\n\r\n", RequestKind::BadRequest, ""},
      {"\r\n\r\n", RequestKind::BadRequest, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.head);
    GatewayRequest request = ParseGatewayRequest(c.head);
    EXPECT_EQ(request.kind, c.kind);
    EXPECT_EQ(request.domain, c.domain);
  }
  EXPECT_TRUE(ParseGatewayRequest("HEAD / HTTP/1.1\r\n\r\n").headOnly);
}

TEST(ListenAddressText, NumericIpv4OrLocalhostAndAPort) {
  ListenAddress address;
  ASSERT_TRUE(ParseListenAddress("127.0.0.1:4343", &address));
  EXPECT_EQ(address.ipv4, "127.0.0.1");
  EXPECT_EQ(address.port, 4343);
  ASSERT_TRUE(ParseListenAddress("localhost:0", &address));
  EXPECT_EQ(address.ipv4, "127.0.0.1");
  EXPECT_EQ(address.port, 0);
  ASSERT_TRUE(ParseListenAddress("0.0.0.0:65535", &address));
  for (const char* bad : {"", "4343", "127.0.0.1", "127.0.0.1:", "127.0.0.1:65536", "127.0.0.1:-1", "127.0.0:1",
                          "127.0.0.256:1", "example.com:43", "[::1]:43", "127.0.0.1:43x", "127.0.0.1:0000043"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseListenAddress(bad, &address));
  }
}

}  // namespace
}  // namespace tzl
