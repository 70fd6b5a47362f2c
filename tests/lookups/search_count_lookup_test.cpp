#include <gtest/gtest.h>

#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "lookups/shared_values.h"
#include "tests/lookups/lookup_fixtures.h"

namespace tzl {
namespace {

using test::RequestsSeen;

struct CountLabel {
  ResultLabel label;
  const char* text;
  int width;  // 8 pixels per byte
};

void ExpectCountLabels(MemoryResultPanel& panel, const std::vector<CountLabel>& expected) {
  for (const CountLabel& c : expected) {
    EXPECT_EQ(panel.LabelText(c.label), c.text) << ControlName(c.label);
    EXPECT_EQ(panel.LabelWidth(c.label), c.width) << ControlName(c.label);
  }
}

TEST(SearchCountLookup, CountsCompaniesAndDropCatchFromTheSixServices) {
  test::LookupFixtures();
  MemoryResultPanel panel("hongyun.com");
  SearchCountLookup(panel);
  ExpectCountLabels(panel, {
                               {ResultLabel::SogouBacklinks, "搜狗反链：1,230条", 136},
                               {ResultLabel::BaiduBacklinks, "百度反链：56,500,000条", 176},
                               {ResultLabel::SogouIndex, "搜狗收录：86条", 112},
                               {ResultLabel::BaiduIndex, "百度收录：1,020条", 136},
                               {ResultLabel::Companies, "共匹配到37个公司企业终端", 192},
                           });
  EXPECT_EQ(panel.LabelText(ResultLabel::DropCatch), "预定竞价中：2026-12-15 14:00:00   类型：预释放竞价");
  // The drop-catch label keeps its design width.
  EXPECT_EQ(panel.LabelWidth(ResultLabel::DropCatch), 370);
  EXPECT_EQ(CompanySearchAddress().Get(), "https://aiqicha.baidu.com/s?q=hongyun");
  EXPECT_EQ(RequestsSeen("hongyun"),
            (std::vector<std::string>{
                "web https www.sogou.com /web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=%E2%80%9Chongyun.com%E2%80%9D",
                "web https www.baidu.com /s?ie=utf-8&f=8&rsv_bp=1&rsv_idx=1&tn=baidu&wd=%E2%80%9Chongyun.com%E2%80%9D",
                "web https www.sogou.com /web?query=site:hongyun.com",
                "web https www.baidu.com /s?wd=site:hongyun.com",
                "web https aiqicha.baidu.com /s?q=hongyun",
                "plain http www.juming.com /zcp.htm?zcp_udz_go=cx/cha_ydzt&ym=hongyun_com",
            }));
}

TEST(SearchCountLookup, EmptyAndFailedAnswersKeepTheirFixedTexts) {
  test::LookupFixtures();
  MemoryResultPanel panel("shangcheng.lvye.org");
  SearchCountLookup(panel);
  // Sogou's no-result page counts 0 for backlinks only; Baidu's check page,
  // Sogou's index page without a count and the unanswered searches give
  // nothing between prefix and suffix.
  ExpectCountLabels(panel, {
                               {ResultLabel::SogouBacklinks, "搜狗反链：0条", 104},
                               {ResultLabel::BaiduBacklinks, "百度反链：条", 96},
                               {ResultLabel::SogouIndex, "搜狗收录：条", 96},
                               {ResultLabel::BaiduIndex, "百度收录：条", 96},
                               {ResultLabel::Companies, "共匹配到个公司企业终端", 176},
                           });
  EXPECT_EQ(panel.LabelText(ResultLabel::DropCatch), "该域名近日没有登录抢注竞价平台");
  EXPECT_EQ(CompanySearchAddress().Get(), "https://aiqicha.baidu.com/s?q=shangcheng");
  std::vector<std::string> seen = RequestsSeen("shangcheng");
  ASSERT_EQ(seen.size(), 6u);
  EXPECT_EQ(seen[4], "web https aiqicha.baidu.com /s?q=shangcheng");
  EXPECT_EQ(seen[5], "plain http www.juming.com /zcp.htm?zcp_udz_go=cx/cha_ydzt&ym=shangcheng_lvye_org");
}

TEST(SearchCountLookup, NameOutsideAsciiGoesIntoTheAddressesAsTyped) {
  test::LookupFixtures();
  MemoryResultPanel panel("搜索计数.cn");
  SearchCountLookup(panel);
  // Both fetches put the code-page-936 name on the wire as percent-encoded
  // UTF-8; the job adds no encoding of its own.
  const std::string name = "%E6%90%9C%E7%B4%A2%E8%AE%A1%E6%95%B0";
  EXPECT_EQ(RequestsSeen(name),
            (std::vector<std::string>{
                "web https www.sogou.com /web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=%E2%80%9C" + name + ".cn%E2%80%9D",
                "web https www.baidu.com /s?ie=utf-8&f=8&rsv_bp=1&rsv_idx=1&tn=baidu&wd=%E2%80%9C" + name + ".cn%E2%80%9D",
                "web https www.sogou.com /web?query=site:" + name + ".cn",
                "web https www.baidu.com /s?wd=site:" + name + ".cn",
                "web https aiqicha.baidu.com /s?q=" + name,
                "plain http www.juming.com /zcp.htm?zcp_udz_go=cx/cha_ydzt&ym=" + name + "_cn",
            }));
  EXPECT_EQ(CompanySearchAddress().Get(), "https://aiqicha.baidu.com/s?q=搜索计数");
  EXPECT_EQ(panel.LabelText(ResultLabel::SogouIndex), "搜狗收录：条");
}

}  // namespace
}  // namespace tzl
