#include <gtest/gtest.h>

#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "lookups/shared_values.h"
#include "tests/lookups/lookup_fixtures.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

using test::RequestsSeen;

struct Case {
  const char* query;
  const char* label;
  const char* firstMeaning;
};

TEST(ValuationLookup, ComposesTheThreeLinesFromTheThreeServices) {
  test::LookupFixtures();
  const Case cases[] = {
      // Value before its limits; four-byte CXZ value; a few meanings.
      {"shuma.com",
       "Godaddy保守估值为:3150美元（仅适用于英文域名）\r\n\r\nCXZ估值为：9800元   玩米网： 8600 元\r\n\r\n"
       "域名含义：数码，书吗，舒马，",
       "数码"},
      // Limits before the value; five-byte CXZ value in 万元; many meanings
      // cut to 39 bytes, since byte 40 would split 善.
      {"qingshan.net",
       "Godaddy保守估值为:1870美元（仅适用于英文域名）\r\n\r\nCXZ估值为：2.3000万元   玩米网： 1.2万 元\r\n\r\n"
       "域名含义：青山，清山，轻衫，情商，青衫，清闪，Q清",
       "青山"},
      // The API's upper limit; a value in 万; no Wanmi price; no meanings.
      {"tianyu.com",
       "Godaddy保守估值为:大于25000美元（仅适用于英文域名）\r\n\r\nCXZ估值为：1.5万元   玩米网：元\r\n\r\n域名含义：",
       ""},
      // A protected name without a value; a CXZ value "小于500".
      {"xiaoyu.org",
       "Godaddy保守估值为:美元（仅适用于英文域名）\r\n\r\nCXZ估值为：小于500元   玩米网： 320 元\r\n\r\n"
       "域名含义：小鱼，小雨，",
       "小鱼"},
      // The CXZ cut runs into markup.
      {"biaoqian-cut.com",
       "Godaddy保守估值为:240美元（仅适用于英文域名）\r\n\r\nCXZ无法估值   玩米网： 150 元\r\n\r\n域名含义：标签，", "标签"},
      // No service knows the name: prefixes and suffixes with nothing between.
      {"wuzhan-none.com",
       "Godaddy保守估值为:美元（仅适用于英文域名）\r\n\r\nCXZ估值为：元   玩米网：元\r\n\r\n域名含义：", ""},
      // Every connection reset: no bytes at all.
      {"duankai.com", "Godaddy保守估值为:美元（仅适用于英文域名）\r\n\r\nCXZ估值为：元   玩米网：元\r\n\r\n域名含义：", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    LastMeaning().Set("上一次的含义");
    MemoryResultPanel panel(c.query);
    ValuationLookup(panel);
    Text label = panel.LabelText(ResultLabel::Valuation);
    EXPECT_EQ(label, c.label) << test::Hex(label);
    EXPECT_EQ(LastMeaning().Get(), c.firstMeaning);
  }
}

TEST(ValuationLookup, AsksGoDaddyThenCxzThenWanmiWithThePlainFetch) {
  test::LookupFixtures();
  MemoryResultPanel panel("shuma.com");
  ValuationLookup(panel);
  std::vector<std::string> seen = RequestsSeen("shuma.com");
  ASSERT_GE(seen.size(), 3u);
  // Each run of the job adds the same three; the last three are this run's.
  std::vector<std::string> last(seen.end() - 3, seen.end());
  EXPECT_EQ(last, (std::vector<std::string>{"plain https api.godaddy.com /v1/appraisal/shuma.com",
                                             "plain http www.cxz.com /s.php?site=shuma.com", "plain http www.wanmi.cc /gj/shuma.com"}));
}

}  // namespace
}  // namespace tzl
