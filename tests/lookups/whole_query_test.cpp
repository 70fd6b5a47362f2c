#include <gtest/gtest.h>

#include <thread>

#include "lookups/memory_result_panel.h"
#include "lookups/query_dispatch.h"
#include "lookups/shared_values.h"
#include "tests/lookups/lookup_fixtures.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

// Starts every job on a thread of its own at once, and joins them all.
class JoiningStarter {
 public:
  JobStarter Starter() {
    return [this](std::function<void()> job) { threads_.emplace_back(std::move(job)); };
  }
  void JoinAll() {
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
  }
  size_t Started() const { return threads_.size(); }
  ~JoiningStarter() { JoinAll(); }

 private:
  std::vector<std::thread> threads_;
};

TEST(WholeQuery, EnterAndTheMoreButtonFillEveryField) {
  test::LookupFixtures();
  MemoryResultPanel panel("wan xiang。com");
  JoiningStarter starter;
  SubmitQuery(panel, kEnterKey, starter.Starter());
  ShowDetails(panel, starter.Starter());
  EXPECT_EQ(starter.Started(), 5u);
  starter.JoinAll();

  EXPECT_EQ(panel.QueryText(), "wanxiang.com");
  struct Field {
    ResultLabel label;
    const char* text;
  };
  const Field fields[] = {
      {ResultLabel::DropCatch, "预定竞价中：2027-01-08 10:00:00   类型：竞价"},
      {ResultLabel::RegistrarUrl, "注册商网址：http://www.net.cn\r\n   "},
      {ResultLabel::Registrar, "注册商：Alibaba Cloud Computing (Beijing) Co., Ltd.\r\n   "},
      {ResultLabel::Updated, "更新：2026-05-06T02:11:09Z\r\n   "},
      {ResultLabel::Created, "注册：1999-05-06T04:00:00Z\r\n   "},
      {ResultLabel::Expires, "到期：2027-05-06T04:00:00Z\r\n   3d20h后删除"},
      {ResultLabel::Email, "邮箱：DomainAbuse@service.aliyun.com\r\n   "},
      {ResultLabel::Phone, "电话：+86.95187\r\n   "},
      // A .com name: the registrant label stays as Enter emptied it.
      {ResultLabel::Registrant, ""},
      {ResultLabel::Valuation,
       "Godaddy保守估值为:8900美元（仅适用于英文域名）\r\n\r\nCXZ估值为：15.6000万元   玩米网： 9.8万 元\r\n\r\n"
       "域名含义：万象，万向，万项，"},
      {ResultLabel::BaiduIndex, "百度收录：8,750条"},
      {ResultLabel::SogouIndex, "搜狗收录：512条"},
      {ResultLabel::BaiduBacklinks, "百度反链：1,460,000条"},
      {ResultLabel::SogouBacklinks, "搜狗反链：2,380条"},
      {ResultLabel::Companies, "共匹配到1523个公司企业终端"},
  };
  for (const Field& field : fields) {
    Text text = panel.LabelText(field.label);
    EXPECT_EQ(text, field.text) << ControlName(field.label) << " " << test::Hex(text);
  }
  EXPECT_EQ(panel.LabelWidth(ResultLabel::Companies), 8 * 26);
  EXPECT_EQ(LastMeaning().Get(), "万象");
  EXPECT_EQ(CompanySearchAddress().Get(), "https://aiqicha.baidu.com/s?q=wanxiang");

  std::vector<MemoryResultPanel::Row> prices = panel.Rows(ResultList::PriceHistory);
  ASSERT_EQ(prices.size(), 3u);
  EXPECT_EQ(prices[2].cells, (std::vector<Text>{"", "一口价", "2012-04-01 08:00:00", "爱名网"}));
  EXPECT_EQ(prices[2].image, 2);
  EXPECT_EQ(panel.WindowHeight(), 444 + 95);
  EXPECT_EQ(panel.ListTop(ResultList::PriceHistory), 444);
  EXPECT_EQ(panel.ListHeight(ResultList::PriceHistory), 95);
  EXPECT_EQ(panel.WindowWidth(), 777);

  std::vector<MemoryResultPanel::Row> details = panel.Rows(ResultList::Details);
  const char* const figures[] = {"3,560", "4,120", "860", "240", "1,020", "66", "310"};
  for (int i = 0; i < 7; ++i) {
    EXPECT_EQ(details[i].cells[1], figures[i]) << i;
    EXPECT_EQ(details[i].image, i) << i;
  }
  const char* const facts[] = {"198.51.100.7", "浙ICP备05019873号-3", "2021-08-19", "万向集团公司", "企业", "万向集团"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(details[8 + i].cells[1], facts[i]) << 8 + i;
}

}  // namespace
}  // namespace tzl
