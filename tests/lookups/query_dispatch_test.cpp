#include "lookups/query_dispatch.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>
#include <vector>

#include "lookups/memory_result_panel.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

// Keeps the jobs instead of running them, so the dispatch alone is seen.
struct RecordingStarter {
  std::vector<std::function<void()>> jobs;
  JobStarter Starter() {
    return [this](std::function<void()> job) { jobs.push_back(std::move(job)); };
  }
};

struct Rewrite {
  const char* input;
  const char* expected;
};

TEST(QueryCleaning, StrayPunctuationBecomesDots) {
  const Rewrite cases[] = {
      {"example。com", "example.com"}, {"example，com", "example.com"}, {"example/com", "example.com"},
      {"example,com", "example.com"}, {"example;com", "example.com"}, {"example'com", "example.com"},
      {"example；com", "example.com"},
      {"example.com/", "example.com."},
      {"http://example.com", "http:..example.com"},
      {"a。b，c/d,e;f'g；h", "a.b.c.d.e.f.g.h"},
      // 埃话 is B0 A3 BB B0: its middle bytes spell "；" but are no character.
      {"埃话.com", "埃话.com"},
      {"", ""},
  };
  for (const Rewrite& c : cases) EXPECT_EQ(ReplaceStrayPunctuation(c.input), c.expected) << test::Hex(c.input);
}

TEST(QueryCleaning, DotlessTextGetsCom) {
  const Rewrite cases[] = {
      {"example", "example.com"}, {"example.cn", "example.cn"}, {"example.", "example."},
      {"EXAMPLE", "EXAMPLE.com"}, {"", ".com"}, {"例子", "例子.com"},
  };
  for (const Rewrite& c : cases) EXPECT_EQ(CompleteDomain(c.input), c.expected) << c.input;
}

TEST(QueryCleaning, SpacesGoTabsStay) {
  const Rewrite cases[] = {
      {"ex ample.com", "example.com"}, {"ex　ample.com", "example.com"}, {" 　ex ample . com　 ", "example.com"},
      {"ex\tample.com", "ex\tample.com"}, {"ex\r\nample", "ex\r\nample"},
  };
  for (const Rewrite& c : cases) EXPECT_EQ(RemoveSpaces(c.input), c.expected) << test::Hex(c.input);
}

TEST(QueryCleaning, CleanQueryCompletesBeforeRemovingSpaces) {
  const Rewrite cases[] = {
      {"   ", ".com"}, {"　", ".com"}, {"ex ample", "example.com"}, {"EXAMPLE.COM", "EXAMPLE.COM"},
      {"example，com", "example.com"}, {"ex ample。cn", "example.cn"},
  };
  for (const Rewrite& c : cases) EXPECT_EQ(CleanQuery(c.input), c.expected) << test::Hex(c.input);
}

// A panel as the previous query left it: detail panel open, price rows
// shown, every label filled.
void FillAsAfterAQuery(MemoryResultPanel& panel) {
  panel.SetWindowWidth(kExpandedWidth);
  panel.SetWindowHeight(539);
  panel.SetListTop(ResultList::PriceHistory, kListTop);
  panel.SetListHeight(ResultList::PriceHistory, 95);
  for (int i = 0; i < 3; ++i) panel.AppendRow(ResultList::PriceHistory);
  for (int i = 0; i < kResultLabelCount; ++i) panel.SetLabelText(static_cast<ResultLabel>(i), "旧");
  panel.SetCellText(ResultList::Details, 8, 1, "192.0.2.1");
}

TEST(SubmitQuery, EnterCleansCollapsesClearsAndStartsFourJobs) {
  MemoryResultPanel panel("ex ample，com");
  FillAsAfterAQuery(panel);
  RecordingStarter starter;
  SubmitQuery(panel, kEnterKey, starter.Starter());

  EXPECT_EQ(panel.QueryText(), "example.com");
  EXPECT_EQ(panel.WindowWidth(), kCollapsedWidth);
  EXPECT_EQ(panel.WindowHeight(), kBaseHeight);
  EXPECT_EQ(panel.ListTop(ResultList::PriceHistory), kListTop);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  for (int i = 0; i < kResultLabelCount; ++i)
    EXPECT_EQ(panel.LabelText(static_cast<ResultLabel>(i)), "") << ControlName(static_cast<ResultLabel>(i));
  EXPECT_EQ(starter.jobs.size(), 4u);
  // The detail panel keeps what it showed.
  EXPECT_EQ(panel.CellText(ResultList::Details, 8, 1), "192.0.2.1");
}

TEST(SubmitQuery, OtherKeysAndAnEmptyBoxDoNothing) {
  struct Case {
    const char* query;
    int key;
  };
  const Case cases[] = {{"ex ample，com", 10}, {"ex ample，com", 32}, {"ex ample，com", 0}, {"", kEnterKey}};
  for (const Case& c : cases) {
    MemoryResultPanel panel(c.query);
    FillAsAfterAQuery(panel);
    RecordingStarter starter;
    SubmitQuery(panel, c.key, starter.Starter());
    EXPECT_EQ(panel.QueryText(), c.query);
    EXPECT_EQ(panel.WindowWidth(), kExpandedWidth);
    EXPECT_EQ(panel.WindowHeight(), 539);
    EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "旧");
    EXPECT_EQ(panel.Rows(ResultList::PriceHistory).size(), 3u);
    EXPECT_TRUE(starter.jobs.empty()) << c.key;
  }
}

TEST(SubmitQuery, SpacesOnlyAreDispatchedAsCom) {
  MemoryResultPanel panel("  　 ");
  RecordingStarter starter;
  SubmitQuery(panel, kEnterKey, starter.Starter());
  EXPECT_EQ(panel.QueryText(), ".com");
  EXPECT_EQ(starter.jobs.size(), 4u);
}

TEST(DispatchLookups, ResetsLayoutButNeitherWidthNorLabels) {
  MemoryResultPanel panel("ex ample");
  FillAsAfterAQuery(panel);
  RecordingStarter starter;
  DispatchLookups(panel, starter.Starter());
  EXPECT_EQ(panel.QueryText(), "example.com");
  EXPECT_EQ(panel.WindowWidth(), kExpandedWidth);
  EXPECT_EQ(panel.WindowHeight(), kBaseHeight);
  EXPECT_EQ(panel.ListTop(ResultList::PriceHistory), kListTop);
  EXPECT_TRUE(panel.Rows(ResultList::PriceHistory).empty());
  EXPECT_EQ(panel.LabelText(ResultLabel::Valuation), "旧");
  EXPECT_EQ(starter.jobs.size(), 4u);
}

TEST(DispatchLookups, LeavesPunctuationToEnter) {
  MemoryResultPanel panel("example，com");
  RecordingStarter starter;
  DispatchLookups(panel, starter.Starter());
  EXPECT_EQ(panel.QueryText(), "example，com.com");
}

TEST(ShowDetails, CompletesWithoutCleaningAndWidens) {
  MemoryResultPanel panel("ex ample");
  RecordingStarter starter;
  ShowDetails(panel, starter.Starter());
  EXPECT_EQ(panel.QueryText(), "ex ample.com");
  EXPECT_EQ(panel.WindowWidth(), kExpandedWidth);
  EXPECT_EQ(starter.jobs.size(), 1u);
  EXPECT_EQ(panel.LabelText(ResultLabel::Registrar), "");
}

TEST(ShowDetails, EmptyBoxDoesNothing) {
  MemoryResultPanel panel;
  RecordingStarter starter;
  ShowDetails(panel, starter.Starter());
  EXPECT_EQ(panel.QueryText(), "");
  EXPECT_EQ(panel.WindowWidth(), kCollapsedWidth);
  EXPECT_TRUE(starter.jobs.empty());
}

TEST(DetachedThreadStarter, RunsTheJobOnAnotherThreadWithoutWaiting) {
  std::promise<std::thread::id> ranOn;
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  DetachedThreadStarter()([&ranOn, released] {
    ranOn.set_value(std::this_thread::get_id());
    released.wait();
  });
  // The starter has returned while the job still waits for its release.
  std::future<std::thread::id> id = ranOn.get_future();
  ASSERT_EQ(id.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_NE(id.get(), std::this_thread::get_id());
  release.set_value();
}

}  // namespace
}  // namespace tzl
