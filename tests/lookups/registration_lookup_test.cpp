#include <gtest/gtest.h>

#include <chrono>

#include "lookups/countdown_text.h"
#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "tests/lookups/lookup_fixtures.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

using test::RequestsSeen;

struct Labels {
  const char* registrarUrl;
  const char* registrar;
  const char* updated;
  const char* created;
  const char* expires;
  const char* email;
  const char* phone;
  const char* registrant;
};

void ExpectLabels(MemoryResultPanel& panel, const Labels& expected) {
  EXPECT_EQ(panel.LabelText(ResultLabel::RegistrarUrl), expected.registrarUrl);
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), expected.registrar);
  EXPECT_EQ(panel.LabelText(ResultLabel::Updated), expected.updated);
  EXPECT_EQ(panel.LabelText(ResultLabel::Created), expected.created);
  EXPECT_EQ(panel.LabelText(ResultLabel::Expires), expected.expires) << test::Hex(panel.LabelText(ResultLabel::Expires));
  EXPECT_EQ(panel.LabelText(ResultLabel::Email), expected.email);
  EXPECT_EQ(panel.LabelText(ResultLabel::Phone), expected.phone);
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrant), expected.registrant);
}

// What an earlier query left in 注册人, which the generic table never writes.
const char kEarlierRegistrant[] = "注册人：上一次的注册人";

void KeepEarlierRegistrant(MemoryResultPanel& panel) { panel.SetLabelText(ResultLabel::Registrant, kEarlierRegistrant); }

TEST(RegistrationLookup, GenericRecordThenCountdownAppendedToExpiry) {
  test::LookupFixtures();
  MemoryResultPanel panel("huaxia-trade.com");
  KeepEarlierRegistrant(panel);
  RegistrationLookup(panel);

  // The cut runs to the next marker: the line break and the next line's
  // three leading blanks stay in the label.
  ExpectLabels(panel, {"注册商网址：http://www.markmonitor.com\r\n   ", "注册商：MarkMonitor Inc.\r\n   ",
                       "更新：2025-11-18T09:21:07Z\r\n   ", "注册：2003-12-20T04:00:00Z\r\n   ",
                       "到期：2026-12-20T04:00:00Z\r\n   12d3h5m后删除", "邮箱：abusecomplaints@markmonitor.com\r\n   ",
                       "电话：+1.2083895740\r\n   ", kEarlierRegistrant});
  EXPECT_EQ(RequestsSeen("huaxia-trade.com"),
            (std::vector<std::string>{"web http 127.0.0.1 /?domain=huaxia-trade.com",
                                      "web https tool.chinaz.com /DomainDel/?wd=huaxia-trade.com"}));
}

TEST(RegistrationLookup, ChineseCountryCodeNamesTakeTheChineseTableAndNoCountdown) {
  test::LookupFixtures();
  struct Case {
    const char* query;
    Labels expected;
  };
  const Case cases[] = {
      {"huaxia-trade.cn",
       {"注册商网址：", "注册商：阿里云计算有限公司（万网）\n", "更新：", "注册：2003-03-11 15:03:55\n",
        "到期：2027-03-11 15:03:55\n", "邮箱：dns@huaxia-trade.cn\n", "电话：", "注册人：北京华夏贸易有限公司\n"}},
      {"jinhong-net.com.cn",
       {"注册商网址：", "注册商：北京新网数码信息技术有限公司\n", "更新：", "注册：2005-07-22 10:18:42\n",
        "到期：2026-07-22 10:18:42\n", "邮箱：admin@jinhong-net.com.cn\n", "电话：",
        "注册人：深圳市金鸿网络科技有限公司\n"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    MemoryResultPanel panel(c.query);
    KeepEarlierRegistrant(panel);
    RegistrationLookup(panel);
    ExpectLabels(panel, c.expected);
    EXPECT_EQ(RequestsSeen(c.query), std::vector<std::string>{std::string("web http 127.0.0.1 /?domain=") + c.query});
  }
}

TEST(RegistrationLookup, UpperCaseCnIsGenericAndAsksForTheCountdown) {
  test::LookupFixtures();
  MemoryResultPanel panel("mingyue-shop.CN");
  KeepEarlierRegistrant(panel);
  RegistrationLookup(panel);
  // A CNNIC record read with the generic markers: "Registrar: " is found
  // inside "Sponsoring Registrar: " but no "Registrar" follows it.
  ExpectLabels(panel, {"注册商网址：", "注册商：", "更新：", "注册：", "到期：30s后删除", "邮箱：", "电话：", kEarlierRegistrant});
  EXPECT_EQ(RequestsSeen("mingyue-shop.CN"),
            (std::vector<std::string>{"web http 127.0.0.1 /?domain=mingyue-shop.CN",
                                      "web https tool.chinaz.com /DomainDel/?wd=mingyue-shop.CN"}));
}

TEST(RegistrationLookup, MissingMarkersLeaveTheirPrefixesAlone) {
  test::LookupFixtures();
  MemoryResultPanel panel("lanting-studio.com");
  KeepEarlierRegistrant(panel);
  RegistrationLookup(panel);
  ExpectLabels(panel, {"注册商网址：", "注册商：", "更新：2026-03-02T06:40:11Z\r\n   ", "注册：2019-03-02T06:40:11Z\r\n   ",
                       "到期：2027-03-02T06:40:11Z\r\n   45d后删除", "邮箱：supervision@xinnet.com\r\n   ",
                       "电话：+86.1087128064\r\n   ", kEarlierRegistrant});
}

TEST(RegistrationLookup, CountdownWithoutRemainingTimeIsAskedThreeTimesThenLeftOut) {
  test::LookupFixtures();
  MemoryResultPanel panel("yunfeng-media.com");
  KeepEarlierRegistrant(panel);
  auto started = std::chrono::steady_clock::now();
  RegistrationLookup(panel);
  auto took = std::chrono::steady_clock::now() - started;

  EXPECT_EQ(panel.LabelText(ResultLabel::Expires), "到期：2027-02-14T10:44:19Z\r\n   ");
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "注册商：GoDaddy.com, LLC\r\n   ");
  const std::string countdown = "web https tool.chinaz.com /DomainDel/?wd=yunfeng-media.com";
  EXPECT_EQ(RequestsSeen("yunfeng-media.com"),
            (std::vector<std::string>{"web http 127.0.0.1 /?domain=yunfeng-media.com", countdown, countdown, countdown}));
  // The requests are spaced by the pause, not fired back to back.
  EXPECT_GE(took, (kCountdownAttempts - 1) * kCountdownPause - std::chrono::milliseconds(50));
}

TEST(RegistrationLookup, FailedRecordStillGetsTheCountdownInShortUnits) {
  test::LookupFixtures();
  // No record is served for these names: every label shows its prefix.
  struct Case {
    const char* query;
    const char* expires;
  };
  const Case cases[] = {
      {"cd-years.com", "到期：1y2d后删除"},
      {"cd-minutes.com", "到期：7h59m后删除"},
      {"cd-every-unit.com", "到期：1y2d3h4m5s后删除"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    MemoryResultPanel panel(c.query);
    KeepEarlierRegistrant(panel);
    RegistrationLookup(panel);
    ExpectLabels(panel, {"注册商网址：", "注册商：", "更新：", "注册：", c.expires, "邮箱：", "电话：", kEarlierRegistrant});
    EXPECT_EQ(RequestsSeen(c.query).size(), 2u);
  }
}

}  // namespace
}  // namespace tzl
