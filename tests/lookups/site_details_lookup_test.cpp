#include <gtest/gtest.h>

#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "tests/lookups/lookup_fixtures.h"

namespace tzl {
namespace {

using test::FixtureFile;

const char* const kCaptions[] = {"百度PC", "百度移动", "搜狗PC", "搜狗移动", "360PC", "360移动", "神马移动",
                                 "---------------", "ip地址：", "备案/许可证号：", "审核通过日期：",
                                 "主办单位名称：", "主办单位性质：", "网站名称："};

// Column 1 and the image of each of the fourteen rows; column 0 must keep
// its caption.
void ExpectDetails(MemoryResultPanel& panel, const std::vector<std::pair<Text, int>>& expected) {
  std::vector<MemoryResultPanel::Row> rows = panel.Rows(ResultList::Details);
  ASSERT_EQ(rows.size(), 14u);
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].cells[0], kCaptions[i]) << "row " << i;
    EXPECT_EQ(rows[i].cells[1], expected[i].first) << "row " << i;
    EXPECT_EQ(rows[i].image, expected[i].second) << "row " << i;
  }
}

const std::vector<std::pair<Text, int>> kFenghua = {
    {"1,234", 0}, {"2,410", 1}, {"318", 2}, {"96", 3}, {"450", 4}, {"12", 5}, {"77", 6},
    {"---------------", -1}, {"203.0.113.24", -1},
    {"京ICP备12034567号-1", -1}, {"2019-04-12", -1}, {"北京风华文化传媒有限公司", -1}, {"企业", -1}, {"风华网", -1},
};

TEST(SiteDetailsLookup, SevenEngineRowsAddressAndFiling) {
  test::LookupFixtures();
  MemoryResultPanel panel("fenghua.com");
  SiteDetailsLookup(panel);
  ExpectDetails(panel, kFenghua);
  EXPECT_EQ(panel.Pictures(ResultList::Details),
            (std::vector<std::string>{FixtureFile("statics.aizhan.com/br-5.png"), FixtureFile("statics.aizhan.com/mbr-4.png"),
                                      FixtureFile("statics.aizhan.com/sr-3.png"), FixtureFile("statics.aizhan.com/msr-2.png"),
                                      FixtureFile("statics.aizhan.com/360-3.png"), FixtureFile("statics.aizhan.com/m360-1.png"),
                                      FixtureFile("statics.aizhan.com/sm-2.png")}));
  EXPECT_EQ(panel.PictureWidth(ResultList::Details), 55);
  EXPECT_EQ(panel.PictureHeight(ResultList::Details), 22);
  EXPECT_EQ(test::RequestsSeen("fenghua.com"),
            (std::vector<std::string>{"web https rank.aizhan.com /fenghua.com", "web http ip.tool.chinaz.com /fenghua.com",
                                      "web http icp.chinaz.com /home/info?host=fenghua.com"}));
  EXPECT_EQ(test::RequestsSeen("/images/sm/2.png").at(0), "plain https statics.aizhan.com /images/sm/2.png");
  // The job adds no rows and leaves the price list alone.
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
}

TEST(SiteDetailsLookup, SecondNameWithFewerRowsKeepsTheEarlierFiguresWithoutTheirPictures) {
  test::LookupFixtures();
  MemoryResultPanel panel("fenghua.com");
  SiteDetailsLookup(panel);
  panel.SetQueryText("lingxi.com");
  SiteDetailsLookup(panel);
  // lingxi.com: three engine rows, the first picture missing; no address
  // page; a filing page without a filing.
  ExpectDetails(panel, {
                           {"5", -1}, {"8", 0}, {"3", 1}, {"96", -1}, {"450", -1}, {"12", -1}, {"77", -1},
                           {"---------------", -1}, {"", -1},
                           {"", -1}, {"", -1}, {"", -1}, {"", -1}, {"", -1},
                       });
  EXPECT_EQ(panel.Pictures(ResultList::Details),
            (std::vector<std::string>{FixtureFile("statics.aizhan.com/mbr-4.png"), FixtureFile("statics.aizhan.com/br-1.png")}));
}

}  // namespace
}  // namespace tzl
