// The wording rules of the jobs on texts built in place, for the cases a
// realistic page seldom shows.
#include <gtest/gtest.h>

#include "lookups/company_and_drop_catch.h"
#include "lookups/countdown_text.h"
#include "lookups/valuation_texts.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

TEST(YuanText, RulesApplyInOrder) {
  struct Case {
    const char* cut;
    const char* expected;
  };
  const Case cases[] = {
      {"9800", "CXZ估值为：9800元"},
      {"23000", "CXZ估值为：2.3000万元"},
      {"123456", "CXZ估值为：12.3456万元"},
      {"1.5万", "CXZ估值为：1.5万元"},
      {"12345万", "CXZ估值为：12345万元"},
      {"小于500", "CXZ估值为：小于500元"},
      {"<b>12</b>", "CXZ无法估值"},
      {"", "CXZ估值为：元"},
      // A point before the last four bytes would fall inside 算.
      {"估算中5", "CXZ估值为：估算中5元"},
      {"估算中", "CXZ估值为：估.算中万元"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(YuanText(Text("<b>￥") + c.cut + "元</b>"), c.expected) << test::Hex(c.cut);
  EXPECT_EQ(YuanText("no price here"), "CXZ估值为：元");
}

TEST(DollarText, ValueAfterOrBeforeTheLimits) {
  EXPECT_EQ(DollarText("{\"govalue\":1234,\"govalue_limits\":[100,25000]}"), "Godaddy保守估值为:1234美元");
  EXPECT_EQ(DollarText("{\"govalue_limits\":[100,25000],\"govalue\":777}"), "Godaddy保守估值为:777美元");
  EXPECT_EQ(DollarText("{\"govalue\":25000,\"govalue_limits\":[100,25000]}"), "Godaddy保守估值为:大于25000美元");
  EXPECT_EQ(DollarText("{\"status\":\"MASKED_DOMAIN\"}"), "Godaddy保守估值为:美元");
}

TEST(CompanySearchTerm, IsTheLabelBeforeTheFirstDot) {
  struct Case {
    const char* query;
    const char* term;
  };
  const Case cases[] = {
      {"example.org", "example"}, {"sub.example.org", "sub"}, {"example", "e"},
      {"中文域名.com", "中文域名"}, {".com", "."}, {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(CompanySearchTerm(c.query), c.term) << c.query;
}

TEST(CountdownUnits, ShortenedOneAfterTheOther) {
  EXPECT_EQ(ShortenCountdownUnits("还剩：1年2天3小时4分钟5秒"), "1y2d3h4m5s");
  EXPECT_EQ(ShortenCountdownUnits("还剩：30秒"), "30s");
  // Only the full-width colon form is removed.
  EXPECT_EQ(ShortenCountdownUnits("还剩:2天"), "还剩:2d");
  EXPECT_TRUE(HasCountdown("还剩：2天"));
  EXPECT_FALSE(HasCountdown("没有查询到相应的信息."));
}

}  // namespace
}  // namespace tzl
