#include <gtest/gtest.h>

#include "lookups/jobs.h"
#include "lookups/memory_result_panel.h"
#include "tests/lookups/lookup_fixtures.h"

namespace tzl {
namespace {

using test::FixtureFile;
using Row = MemoryResultPanel::Row;

void ExpectRows(MemoryResultPanel& panel, const std::vector<Row>& expected) {
  std::vector<Row> rows = panel.Rows(ResultList::PriceHistory);
  ASSERT_EQ(rows.size(), expected.size());
  for (size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].cells, expected[i].cells) << "row " << i;
    EXPECT_EQ(rows[i].image, expected[i].image) << "row " << i;
  }
}

TEST(PriceHistoryLookup, ThreeTradesGiveThreeRowsWithTheirPricePictures) {
  test::LookupFixtures();
  MemoryResultPanel panel("jinma.com");
  PriceHistoryLookup(panel);
  ExpectRows(panel, {
                        {{"", "一口价", "2021-06-18 10:22:05", "聚名网"}, 0},
                        {{"", "竞价", "2018-03-02 21:40:00", "易名中国"}, 1},
                        {{"", "一口价", "2015-11-27 09:05:13", "爱名网"}, 2},
                    });
  // Pictures of 96 x 24, 64 x 16 and 120 x 30 go to an image list of 80 x 20.
  EXPECT_EQ(panel.Pictures(ResultList::PriceHistory),
            (std::vector<std::string>{FixtureFile("www.wanmi.cc/price-12800.png"), FixtureFile("www.wanmi.cc/price-3500.gif"),
                                      FixtureFile("www.wanmi.cc/price-880.png")}));
  EXPECT_EQ(panel.PictureWidth(ResultList::PriceHistory), 80);
  EXPECT_EQ(panel.PictureHeight(ResultList::PriceHistory), 20);
  EXPECT_EQ(panel.WindowHeight(), 444 + 95);
  EXPECT_EQ(panel.ListHeight(ResultList::PriceHistory), 95);
  EXPECT_EQ(test::RequestsSeen("jinma.com"), std::vector<std::string>{"web http www.wanmi.cc /ls/?ym=jinma.com"});
  for (const char* token : {"MTI4MDA", "MzUwMA", "ODgw"})
    EXPECT_EQ(test::RequestsSeen(std::string("/ls/pic/?p=") + token).at(0),
              std::string("plain http www.wanmi.cc /ls/pic/?p=") + token);
}

TEST(PriceHistoryLookup, OneTradeGrowsTheWindowByOneRow) {
  test::LookupFixtures();
  MemoryResultPanel panel("yinhe.net");
  PriceHistoryLookup(panel);
  ExpectRows(panel, {{{"", "竞价", "2020-08-09 20:00:00", "聚名网"}, 0}});
  EXPECT_EQ(panel.WindowHeight(), 444 + 55);
  EXPECT_EQ(panel.ListHeight(ResultList::PriceHistory), 55);
}

TEST(PriceHistoryLookup, NoTradesLeaveListAndWindowAlone) {
  test::LookupFixtures();
  MemoryResultPanel panel("kongbai.com");
  PriceHistoryLookup(panel);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.WindowHeight(), 444);
  EXPECT_EQ(panel.ListHeight(ResultList::PriceHistory), 0);
  EXPECT_EQ(panel.PictureWidth(ResultList::PriceHistory), 0);  // no image list made
  EXPECT_EQ(test::RequestsSeen("kongbai.com").size(), 1u);
}

TEST(PriceHistoryLookup, ResetConnectionGivesNoRows) {
  test::LookupFixtures();
  MemoryResultPanel panel("duankai.com");
  PriceHistoryLookup(panel);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.WindowHeight(), 444);
}

TEST(PriceHistoryLookup, MissingOrUndecodablePictureGivesABlankCellNotThePreviousOne) {
  test::LookupFixtures();
  MemoryResultPanel panel("suipian.com");
  PriceHistoryLookup(panel);
  // Row 2's address answers 404, row 3's an HTML error page.
  ExpectRows(panel, {
                        {{"", "一口价", "2022-01-05 12:00:00", "聚名网"}, 0},
                        {{"", "竞价", "2020-05-05 12:00:00", "易名中国"}, -1},
                        {{"", "一口价", "2019-04-04 12:00:00", "爱名网"}, -1},
                    });
  EXPECT_EQ(panel.Pictures(ResultList::PriceHistory).size(), 1u);
  EXPECT_EQ(panel.WindowHeight(), 444 + 95);
}

}  // namespace
}  // namespace tzl
