// The gateway over real sockets, in front of fixture WHOIS servers for
// IANA and three registries that TZL_CONNECT_TO puts on loopback.
#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

#include "tests/support/process_environment.h"
#include "tests/support/test_support.h"
#include "tests/whois/fixture_whois_server.h"
#include "tests/whois/gateway_client.h"
#include "whois/domain_name.h"
#include "whois/whois_gateway.h"

namespace tzl {
namespace {

using test::GetFromGateway;
using test::HeaderOf;
using test::SendToGateway;

const char kComRecord[] =
    "   Domain Name: EXAMPLE.COM\r\n"
    "   Registrar URL: http://www.markmonitor.com\r\n"
    "   Updated Date: 2011-07-20T16:55:31Z\r\n"
    "   Creation Date: 1997-09-15T04:00:00Z\r\n"
    "   Registry Expiry Date: 2030-09-14T04:00:00Z\r\n"
    "   Registrar: MarkMonitor Inc.\r\n"
    "   Registrar IANA ID: 292\r\n"
    ">>> Last update of whois database: 2017-07-31T23:59:53Z <<<\r\n";

// As CNNIC sends it: UTF-8, no declaration.
const char kCnRecordUtf8[] =
    u8"Domain Name: cnnic.cn\r\n"
    u8"Registrant: 中国互联网络信息中心\r\n"
    u8"Sponsoring Registrar: 北京新网数码信息技术有限公司\r\n";

int FreePort() {
  net::TcpListener probe;
  probe.Listen("127.0.0.1", 0);
  return probe.Port();  // closed again when `probe` goes
}

class WhoisGatewayTest : public ::testing::Test {
 protected:
  void SetUp() override {
    iana_.Answer("com", "domain:       COM\nrefer:        whois.verisign-grs.com\n\nwhois:        whois.verisign-grs.com\n");
    iana_.Answer("cn", "domain:       CN\r\nrefer:        whois.cnnic.cn\r\n");
    iana_.Answer("slow", "refer: whois.nic.slow\n");
    iana_.Answer("big", "REFER:\twhois.nic.big  \n");
    verisign_.Answer("example.com", kComRecord);
    for (int i = 0; i < 8; ++i) {
      verisign_.Answer("name" + std::to_string(i) + ".com", "   Domain Name: NAME" + std::to_string(i) + ".COM\r\n");
    }
    cnnic_.Answer("cnnic.cn", kCnRecordUtf8);
    cnnic_.Answer("xn--fiq228c.cn", "Domain Name: xn--fiq228c.cn\r\n");
    slow_.NeverAnswer("late.slow");
    std::string huge;
    while (huge.size() < kWhoisRecordCap + kWhoisRecordCap / 2) huge += "Remark: a registry that says far too much\r\n";
    big_.Answer("much.big", huge);
    Route(iana_.Port());

    WhoisGatewayOptions options;
    options.whois.timeoutMs = 1000;
    options.requestTimeoutMs = 500;
    gateway_ = std::make_unique<WhoisGateway>(options);
    ASSERT_EQ(gateway_->Listen("127.0.0.1:0"), net::ListenResult::Listening);
    gateway_->Start();
  }

  void TearDown() override {
    gateway_.reset();
    test::UnsetEnvironment("TZL_CONNECT_TO");
  }

  void Route(int ianaPort) {
    auto entry = [](const std::string& host, int port) { return host + ":43:127.0.0.1:" + std::to_string(port); };
    test::SetEnvironment("TZL_CONNECT_TO", entry("whois.iana.org", ianaPort) + "," +
                                               entry("whois.verisign-grs.com", verisign_.Port()) + "," +
                                               entry("whois.cnnic.cn", cnnic_.Port()) + "," +
                                               entry("whois.nic.slow", slow_.Port()) + "," +
                                               entry("whois.nic.big", big_.Port()));
  }

  size_t RegistryQueries() {
    return verisign_.Queries().size() + cnnic_.Queries().size() + slow_.Queries().size() + big_.Queries().size();
  }

  test::FixtureWhoisServer iana_{"%\n% This query returned 0 objects.\n"};
  test::FixtureWhoisServer verisign_, cnnic_, slow_, big_;
  std::unique_ptr<WhoisGateway> gateway_;
};

TEST_F(WhoisGatewayTest, ComNameIsFoundThroughTheIanaReferral) {
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=example.com");
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body, kComRecord);
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "found");
  EXPECT_EQ(HeaderOf(reply, "Content-Type"), "text/plain; charset=GBK");
  EXPECT_EQ(HeaderOf(reply, "Connection"), "close");
  EXPECT_EQ(iana_.Queries(), std::vector<std::string>{"com"});
  EXPECT_EQ(verisign_.Queries(), std::vector<std::string>{"example.com"});
}

TEST_F(WhoisGatewayTest, NameIsAskedInLowerCaseAndTheReferralIsRemembered) {
  EXPECT_EQ(GetFromGateway(gateway_->Port(), "/?domain=EXAMPLE.COM").body, kComRecord);
  EXPECT_EQ(GetFromGateway(gateway_->Port(), "/?domain=name1.com").body, "   Domain Name: NAME1.COM\r\n");
  EXPECT_EQ(iana_.Queries(), std::vector<std::string>{"com"});
  EXPECT_EQ(verisign_.Queries(), (std::vector<std::string>{"example.com", "name1.com"}));
}

TEST_F(WhoisGatewayTest, Utf8RecordComesBackAsCodePage936Text) {
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=cnnic.cn");
  EXPECT_EQ(reply.status, 200);
  const std::string expected =
      "Domain Name: cnnic.cn\r\n"
      "Registrant: 中国互联网络信息中心\r\n"
      "Sponsoring Registrar: 北京新网数码信息技术有限公司\r\n";
  EXPECT_EQ(reply.body, expected) << test::Hex(reply.body);
}

TEST_F(WhoisGatewayTest, ChineseLabelIsAskedInItsIdnaForm) {
  // 中文 in UTF-8 (as a client percent-encodes it) and in code page 936.
  for (const char* target : {"/?domain=%E4%B8%AD%E6%96%87.cn", "/?domain=%D6%D0%CE%C4.cn"}) {
    SCOPED_TRACE(target);
    EXPECT_EQ(GetFromGateway(gateway_->Port(), target).body, "Domain Name: xn--fiq228c.cn\r\n");
  }
  EXPECT_EQ(cnnic_.Queries(), (std::vector<std::string>{"xn--fiq228c.cn", "xn--fiq228c.cn"}));
}

TEST_F(WhoisGatewayTest, TopLevelDomainIanaDoesNotKnowGetsAnEmptyAnswer) {
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=example.nosuchtld");
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body, "");
  EXPECT_EQ(HeaderOf(reply, "Content-Length"), "0");
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "no-registry");
  EXPECT_EQ(iana_.Queries(), std::vector<std::string>{"nosuchtld"});
  EXPECT_EQ(RegistryQueries(), 0u);
}

TEST_F(WhoisGatewayTest, RegistryThatDoesNotAnswerTimesOutToAnEmptyAnswer) {
  const int64_t start = net::NowMilliseconds();
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=late.slow");
  const int64_t elapsed = net::NowMilliseconds() - start;
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body, "");
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "registry-timeout");
  EXPECT_GE(elapsed, 900);  // the configured second, not an early give-up
  EXPECT_LT(elapsed, 5000);
}

TEST_F(WhoisGatewayTest, RecordLargerThanTheCapIsCutThere) {
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=much.big");
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(reply.body.size(), kWhoisRecordCap);
  EXPECT_EQ(reply.body.compare(0, 8, "Remark: "), 0);
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "cut");
}

TEST_F(WhoisGatewayTest, InvalidNamesGetAnEmptyAnswerAndReachNoServer) {
  std::string tooLong = "com";
  while (tooLong.size() <= kMaxDomainNameLength) tooLong = std::string(60, 'a') + "." + tooLong;
  const char* const targets[] = {
      "/",                             // no name at all
      "/?domain=",                     // an empty one
      "/?domain=example",              // a single label
      "/?domain=-example.com",         // hyphen at a label's edge
      "/?domain=example-.com",
      "/?domain=exa..mple.com",        // empty label
      "/?domain=.example.com",
      "/?domain=exa%20mple.com",       // blank
      "/?domain=exa_mple.com",         // underscore
      "/?domain=example.com%0D%0Acom", // a second line for the registry
      "/?domain=example.com%00",       // zero byte
      "/?domain=1.2.3.4",              // an address, no name
      "/?domain=example.c%C3%B6m",     // a letter with a diacritic
      "/?domain=%FF%FE.com",           // neither UTF-8 nor code page 936
  };
  for (const char* target : targets) {
    SCOPED_TRACE(target);
    test::GatewayReply reply = GetFromGateway(gateway_->Port(), target);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(reply.body, "");
    EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "invalid-name");
  }
  test::GatewayReply longName = GetFromGateway(gateway_->Port(), "/?domain=" + tooLong);
  EXPECT_EQ(HeaderOf(longName, "X-Whois-Status"), "invalid-name");
  EXPECT_TRUE(iana_.Queries().empty());
  EXPECT_EQ(RegistryQueries(), 0u);
}

TEST_F(WhoisGatewayTest, UnreachableIanaGivesAnEmptyAnswerAndIsAskedAgainLater) {
  Route(FreePort());
  test::GatewayReply reply = GetFromGateway(gateway_->Port(), "/?domain=example.com");
  EXPECT_EQ(reply.body, "");
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "iana-unreachable");
  Route(iana_.Port());
  EXPECT_EQ(GetFromGateway(gateway_->Port(), "/?domain=example.com").body, kComRecord);
}

TEST_F(WhoisGatewayTest, RequestsItCannotServeGetAnErrorStatus) {
  struct Case {
    std::string request;
    int status;
  };
  const Case cases[] = {
      {"POST /?domain=example.com HTTP/1.1\r\nContent-Length: 3\r\n\r\nabc", 405},
      {"GET /whois?domain=example.com HTTP/1.1\r\n\r\n", 404},
      {"hello there\r\n\r\n", 400},
      {"GET /?domain=example.com\r\n\r\n", 400},
      {"GET /?domain=example.com HTTP/1.1\r\nX-Filler: " + std::string(9000, 'x') + "\r\n\r\n", 431},
      {"GET /?domain=example.com HTTP/1.1\r\n", 408},  // the head never ends
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.request.substr(0, 40));
    EXPECT_EQ(SendToGateway(gateway_->Port(), c.request).status, c.status);
  }
  EXPECT_EQ(RegistryQueries(), 0u);
}

TEST_F(WhoisGatewayTest, LenientAndProxyFormsOfTheRequestAreAnswered) {
  EXPECT_EQ(SendToGateway(gateway_->Port(), "GET /?domain=example.com HTTP/1.0\n\n").body, kComRecord);
  EXPECT_EQ(SendToGateway(gateway_->Port(), "GET http://127.0.0.1:4343/?x=1&domain=example.com HTTP/1.1\r\n\r\n").body,
            kComRecord);
  test::GatewayReply head = SendToGateway(gateway_->Port(), "HEAD /?domain=example.com HTTP/1.1\r\n\r\n");
  EXPECT_EQ(head.status, 200);
  EXPECT_EQ(head.body, "");
  EXPECT_EQ(HeaderOf(head, "Content-Length"), std::to_string(sizeof kComRecord - 1));
}

TEST_F(WhoisGatewayTest, ConcurrentRequestsEachGetTheirOwnRecord) {
  std::vector<std::string> bodies(8);
  std::vector<std::thread> clients;
  for (int i = 0; i < 8; ++i) {
    clients.emplace_back([this, i, &bodies] {
      bodies[i] = GetFromGateway(gateway_->Port(), "/?domain=name" + std::to_string(i) + ".com").body;
    });
  }
  for (std::thread& client : clients) client.join();
  for (int i = 0; i < 8; ++i) EXPECT_EQ(bodies[i], "   Domain Name: NAME" + std::to_string(i) + ".COM\r\n");
}

TEST(WhoisGatewayStart, SecondGatewayOnATakenAddressIsRefused) {
  WhoisGateway first;
  ASSERT_EQ(first.Listen("127.0.0.1:0"), net::ListenResult::Listening);
  const std::string taken = "127.0.0.1:" + std::to_string(first.Port());
  WhoisGateway second;
  EXPECT_EQ(second.Listen(taken), net::ListenResult::AddressInUse);
}

TEST(WhoisGatewayStart, InProcessGatewayListensOnLoopbackOnly) {
  const std::string port = std::to_string(FreePort());
  EXPECT_FALSE(StartWhoisGateway("0.0.0.0:" + port));
  EXPECT_FALSE(StartWhoisGateway("192.168.1.1:" + port));
  EXPECT_FALSE(StartWhoisGateway("nonsense"));
  ASSERT_TRUE(StartWhoisGateway("127.0.0.1:" + port));
  // Nothing routed: an invalid name is answered without any registry.
  test::GatewayReply reply = GetFromGateway(std::stoi(port), "/?domain=x");
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(HeaderOf(reply, "X-Whois-Status"), "invalid-name");
}

}  // namespace
}  // namespace tzl
