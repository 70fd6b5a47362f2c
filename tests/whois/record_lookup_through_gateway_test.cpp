// The record lookup of the program filled through the gateway: the job
// asks 127.0.0.1:4343, which is routed to a gateway of this test; the
// gateway asks fixture WHOIS servers; the countdown page comes from the
// fixture web services.
#include <gtest/gtest.h>

#include <memory>

#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "lookups/service_hosts.h"
#include "tests/support/fixture_services.h"
#include "tests/support/process_environment.h"
#include "tests/support/test_support.h"
#include "tests/whois/fixture_whois_server.h"
#include "whois/whois_gateway.h"

namespace tzl {
namespace {

// wanxiang.com has a countdown page among the fixture services.
const char kComRecord[] =
    "   Domain Name: WANXIANG.COM\r\n"
    "   Registrar WHOIS Server: whois.net.cn\r\n"
    "   Registrar URL: http://www.net.cn\r\n"
    "   Updated Date: 2026-05-06T02:11:09Z\r\n"
    "   Creation Date: 1999-05-06T04:00:00Z\r\n"
    "   Registry Expiry Date: 2027-05-06T04:00:00Z\r\n"
    "   Registrar: Alibaba Cloud Computing (Beijing) Co., Ltd.\r\n"
    "   Registrar IANA ID: 420\r\n"
    "   Registrar Abuse Contact Email: DomainAbuse@service.aliyun.com\r\n"
    "   Registrar Abuse Contact Phone: +86.95187\r\n"
    "   Domain Status: clientTransferProhibited https://icann.org/epp#clientTransferProhibited\r\n";

const char kCnRecordUtf8[] =
    u8"Domain Name: cnnic.cn\n"
    u8"ROID: 20021209s10011s00047242-cn\n"
    u8"Domain Status: serverDeleteProhibited\n"
    u8"Registrant ID: s1255673574881\n"
    u8"Registrant: 中国互联网络信息中心\n"
    u8"Registrant Contact Email: servicei@cnnic.cn\n"
    u8"Sponsoring Registrar: 北京新网数码信息技术有限公司\n"
    u8"Name Server: a.cnnic.cn\n"
    u8"Registration Time: 2000-09-14 00:00:00\n"
    u8"Expiration Time: 2023-08-16 16:26:39\n"
    u8"DNSSEC: unsigned\n";

class RecordLookupThroughGateway : public ::testing::Test {
 protected:
  void SetUp() override {
    iana_.Answer("com", "refer:        whois.verisign-grs.com\n");
    iana_.Answer("cn", "refer:        whois.cnnic.cn\n");
    verisign_.Answer("wanxiang.com", kComRecord);
    cnnic_.Answer("cnnic.cn", kCnRecordUtf8);
    ASSERT_EQ(gateway_.Listen("127.0.0.1:0"), net::ListenResult::Listening);
    gateway_.Start();
    auto whois = [](const std::string& host, int port) { return host + ":43:127.0.0.1:" + std::to_string(port) + ","; };
    test::SetEnvironment("TZL_CONNECT_TO", std::string(ServiceHosts::RegistrationRecord) + ":127.0.0.1:" +
                                               std::to_string(gateway_.Port()) + "," +
                                               whois("whois.iana.org", iana_.Port()) +
                                               whois("whois.verisign-grs.com", verisign_.Port()) +
                                               whois("whois.cnnic.cn", cnnic_.Port()) +
                                               test::FixtureServices::Instance().ConnectToValue());
  }
  void TearDown() override { test::UnsetEnvironment("TZL_CONNECT_TO"); }

  test::FixtureWhoisServer iana_, verisign_, cnnic_;
  WhoisGateway gateway_;
};

TEST_F(RecordLookupThroughGateway, GenericNameFillsEveryRegistrationLabelAndTheCountdown) {
  MemoryResultPanel panel("wanxiang.com");
  RegistrationLookup(panel);
  EXPECT_EQ(panel.LabelText(ResultLabel::RegistrarUrl), "注册商网址：http://www.net.cn\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "注册商：Alibaba Cloud Computing (Beijing) Co., Ltd.\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Updated), "更新：2026-05-06T02:11:09Z\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Created), "注册：1999-05-06T04:00:00Z\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Expires), "到期：2027-05-06T04:00:00Z\r\n   3d20h后删除");
  EXPECT_EQ(panel.LabelText(ResultLabel::Email), "邮箱：DomainAbuse@service.aliyun.com\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Phone), "电话：+86.95187\r\n   ");
  EXPECT_EQ(verisign_.Queries(), std::vector<std::string>{"wanxiang.com"});
}

TEST_F(RecordLookupThroughGateway, ChineseNameShowsItsUtf8RecordInChinese) {
  MemoryResultPanel panel("cnnic.cn");
  RegistrationLookup(panel);
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrant), "注册人：中国互联网络信息中心\n")
      << test::Hex(panel.LabelText(ResultLabel::Registrant));
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "注册商：北京新网数码信息技术有限公司\n");
  EXPECT_EQ(panel.LabelText(ResultLabel::Created), "注册：2000-09-14 00:00:00\n");
  EXPECT_EQ(panel.LabelText(ResultLabel::Expires), "到期：2023-08-16 16:26:39\n");
  EXPECT_EQ(panel.LabelText(ResultLabel::Email), "邮箱：servicei@cnnic.cn\n");
}

TEST_F(RecordLookupThroughGateway, NameNoRegistryKnowsLeavesThePrefixesAlone) {
  MemoryResultPanel panel("nobody.cn");  // CNNIC answers its "no match" line
  RegistrationLookup(panel);
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "注册商：");
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrant), "注册人：");
}

}  // namespace
}  // namespace tzl
