#include "lookups/memory_result_panel.h"

#include <gtest/gtest.h>

namespace tzl {
namespace {

TEST(MemoryResultPanel, StartsAsTheFormIsDesigned) {
  MemoryResultPanel panel("example.com");
  EXPECT_EQ(panel.QueryText(), "example.com");
  EXPECT_EQ(panel.WindowWidth(), 379);
  EXPECT_EQ(panel.WindowHeight(), 444);
  EXPECT_EQ(panel.ListTop(ResultList::PriceHistory), 545);
  EXPECT_EQ(panel.ListHeight(ResultList::PriceHistory), 0);
  EXPECT_EQ(panel.ListTop(ResultList::Details), 0);
  EXPECT_EQ(panel.ListHeight(ResultList::Details), 444);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.LabelWidth(ResultLabel::Registrar), 370);
  EXPECT_EQ(panel.LabelWidth(ResultLabel::Updated), 180);
  EXPECT_EQ(panel.LabelWidth(ResultLabel::Expires), 380);
  EXPECT_EQ(panel.LabelWidth(ResultLabel::SogouBacklinks), 185);
  EXPECT_EQ(panel.LabelWidth(ResultLabel::Companies), 371);
  for (int i = 0; i < kResultLabelCount; ++i) EXPECT_EQ(panel.LabelText(static_cast<ResultLabel>(i)), "");

  const char* const captions[] = {"百度PC", "百度移动", "搜狗PC", "搜狗移动", "360PC", "360移动", "神马移动",
                                  "---------------", "ip地址：", "备案/许可证号：", "审核通过日期：",
                                  "主办单位名称：", "主办单位性质：", "网站名称："};
  std::vector<MemoryResultPanel::Row> rows = panel.Rows(ResultList::Details);
  ASSERT_EQ(rows.size(), 14u);
  for (size_t i = 0; i < rows.size(); ++i) {
    ASSERT_EQ(rows[i].cells.size(), 2u);
    EXPECT_EQ(rows[i].cells[0], captions[i]) << i;
    EXPECT_EQ(rows[i].cells[1], i == 7 ? "---------------" : "") << i;
    EXPECT_EQ(rows[i].image, -1);
  }
}

TEST(MemoryResultPanel, AcceptsPicturesByTheirSignature) {
  struct Case {
    std::string bytes;
    bool picture;
  };
  const Case cases[] = {
      {std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), true},
      {"GIF87a\x10\0\x10\0", true},
      {"GIF89a\x10\0\x10\0", true},
      {"\xFF\xD8\xFF\xE0\0\x10JFIF", true},
      {std::string("BM\x46\0\0\0\0\0\0\0\x36\0\0\0\x28\0\0\0\x02\0\0\0\x02\0\0\0", 26), true},
      {"BMW", false},
      {"<html><body>502 Bad Gateway</body></html>", false},
      {"\x89PNG", false},
      {"", false},
  };
  MemoryResultPanel panel;
  panel.ResetImageList(ResultList::PriceHistory, 80, 20);
  int next = 0;
  for (const Case& c : cases) {
    int index = panel.AddPicture(ResultList::PriceHistory, c.bytes);
    EXPECT_EQ(index, c.picture ? next : -1) << c.bytes;
    if (c.picture) ++next;
  }
  EXPECT_EQ(panel.Pictures(ResultList::PriceHistory).size(), 5u);
  EXPECT_EQ(panel.Pictures(ResultList::PriceHistory)[1], cases[1].bytes);
  EXPECT_TRUE(panel.Pictures(ResultList::Details).empty());

  panel.ResetImageList(ResultList::PriceHistory, 55, 22);
  EXPECT_TRUE(panel.Pictures(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.PictureWidth(ResultList::PriceHistory), 55);
  EXPECT_EQ(panel.PictureHeight(ResultList::PriceHistory), 22);
  EXPECT_EQ(panel.AddPicture(ResultList::PriceHistory, cases[0].bytes), 0);
}

TEST(MemoryResultPanel, RowsAndCellsOutsideTheListAreIgnored) {
  MemoryResultPanel panel;
  EXPECT_EQ(panel.AppendRow(ResultList::PriceHistory), 0);
  EXPECT_EQ(panel.AppendRow(ResultList::PriceHistory), 1);
  panel.SetCellText(ResultList::PriceHistory, 1, 3, "聚名网");
  panel.SetCellImage(ResultList::PriceHistory, 1, 4);
  const int outside[][2] = {{2, 0}, {-1, 0}, {0, 4}, {0, -1}, {1000000, 1}};
  for (const auto& cell : outside) {
    panel.SetCellText(ResultList::PriceHistory, cell[0], cell[1], "x");
    EXPECT_EQ(panel.CellText(ResultList::PriceHistory, cell[0], cell[1]), "");
  }
  for (int row : {2, -1, 1000000}) panel.SetCellImage(ResultList::PriceHistory, row, 7);
  panel.SetLabelText(static_cast<ResultLabel>(kResultLabelCount), "x");
  EXPECT_EQ(panel.LabelText(static_cast<ResultLabel>(kResultLabelCount)), "");

  std::vector<MemoryResultPanel::Row> rows = panel.Rows(ResultList::PriceHistory);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cells, std::vector<Text>(4));
  EXPECT_EQ(rows[0].image, -1);
  EXPECT_EQ(rows[1].cells[3], "聚名网");
  EXPECT_EQ(rows[1].image, 4);

  panel.DeleteAllRows(ResultList::PriceHistory);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.Rows(ResultList::Details).size(), 14u);
}

}  // namespace
}  // namespace tzl
