// Enter, the more button and the close button of the detail panel, driven
// through the real window's messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "lookups/query_dispatch.h"
#include "main_window_harness.h"
#include "test_support.h"

namespace tzl::test {
namespace {

TEST(QueryEntry, EnterReplacesEveryPunctuationEntryAndStartsFourJobs) {
  MainWindowHarness harness;
  for (const char* typed : {"example。com", "example，com", "example/com", "example,com", "example;com", "example'com",
                            "example；com"}) {
    harness.SetQueryBox(typed);
    harness.PressKey(VK_RETURN);
    EXPECT_EQ(harness.QueryBox(), "example.com") << Hex(typed);
    EXPECT_EQ(harness.TakeJobs(), 4u) << Hex(typed);
  }
}

TEST(QueryEntry, EnterCompletesAndCleansTheBox) {
  struct Case {
    const char* typed;
    const char* queried;
  };
  const Case cases[] = {
      {"example", "example.com"},
      {"example.cn", "example.cn"},
      {"example.", "example."},
      {"ex ample", "example.com"},
      {"ex　ample.com", "example.com"},  // ideographic space
      {"ex\tample.com", "ex\tample.com"},
      {"   ", ".com"},
      {"EXAMPLE.COM", "EXAMPLE.COM"},
      {"example.com/", "example.com."},
      {"http://example.com", "http:..example.com"},
      // 丁 ends in A1 and Ｃ begins with A3: the bytes A1 A3 of "。" across
      // the two characters are no full stop.
      {"丁Ｃ", "丁Ｃ.com"},
  };
  MainWindowHarness harness;
  for (const Case& c : cases) {
    harness.SetQueryBox(c.typed);
    harness.PressKey(VK_RETURN);
    EXPECT_EQ(harness.QueryBox(), c.queried) << Hex(c.typed);
    EXPECT_EQ(harness.TakeJobs(), 4u);
  }
}

TEST(QueryEntry, OnlyEnterOnANonEmptyBoxDispatches) {
  MainWindowHarness harness;
  harness.SetQueryBox("");
  harness.PressKey(VK_RETURN);
  EXPECT_EQ(harness.TakeJobs(), 0u);
  harness.SetQueryBox("example,com");
  harness.PressKey('A');
  harness.PressKey(VK_SPACE);
  EXPECT_EQ(harness.QueryBox(), "example,com");
  EXPECT_EQ(harness.TakeJobs(), 0u);
}

TEST(QueryEntry, EnterEmptiesTheResultLabelsButNotTheHint) {
  MainWindowHarness harness;
  harness.window().SetLabelText(ResultLabel::Registrar, "注册商：旧的");
  harness.window().SetLabelText(ResultLabel::Companies, "终端：3");
  harness.SetQueryBox("example.com");
  harness.PressKey(VK_RETURN);
  for (int i = 0; i < kResultLabelCount; ++i) {
    EXPECT_EQ(harness.window().LabelText(static_cast<ResultLabel>(i)), "") << i;
  }
  EXPECT_NE(GetWindowTextLengthW(harness.Control("透明标签1")), 0);
}

TEST(QueryEntry, MoreButtonWidensAndCloseButtonCollapses) {
  MainWindowHarness harness;
  harness.SetQueryBox("ex ample");
  harness.Click("按钮1");
  EXPECT_EQ(harness.QueryBox(), "ex ample.com");  // no space removal on the more button
  EXPECT_EQ(harness.TakeJobs(), 1u);
  EXPECT_EQ(harness.WindowSize().cx, kExpandedWidth);

  harness.Click("按钮2");
  EXPECT_EQ(harness.WindowSize().cx, kCollapsedWidth);
  harness.Click("按钮2");  // already closed
  EXPECT_EQ(harness.WindowSize().cx, kCollapsedWidth);

  harness.Click("按钮1");
  harness.TakeJobs();
  harness.PressKey(VK_RETURN);  // Enter closes the open panel
  EXPECT_EQ(harness.WindowSize().cx, kCollapsedWidth);
}

TEST(QueryEntry, MoreButtonWithAnEmptyBoxDoesNothing) {
  MainWindowHarness harness;
  harness.SetQueryBox("");
  harness.Click("按钮1");
  EXPECT_EQ(harness.TakeJobs(), 0u);
  EXPECT_EQ(harness.WindowSize().cx, kCollapsedWidth);
}

TEST(QueryEntry, DispatchResetsTheHeightTheListAndTheListTop) {
  MainWindowHarness harness;
  app::MainWindow& panel = harness.window();
  // What a price-history job leaves: three rows, a grown window and list.
  for (int i = 0; i < 3; ++i) panel.AppendRow(ResultList::PriceHistory);
  panel.SetWindowHeight(kBaseHeight + 95);
  panel.SetListHeight(ResultList::PriceHistory, 95);
  panel.SetListTop(ResultList::PriceHistory, 500);
  // The detail panel always spans the whole window height.
  EXPECT_EQ(panel.ListHeight(ResultList::Details), kBaseHeight + 95);

  harness.SetQueryBox("example.com");
  harness.PressKey(VK_RETURN);
  EXPECT_EQ(harness.WindowSize().cy, kBaseHeight);
  EXPECT_EQ(panel.ListTop(ResultList::PriceHistory), kListTop);
  EXPECT_EQ(ListView_GetItemCount(harness.Control("超级列表框1")), 0);
  EXPECT_EQ(panel.ListHeight(ResultList::Details), kBaseHeight);
  // The detail rows are not the dispatch's business.
  EXPECT_EQ(ListView_GetItemCount(harness.Control("超级列表框2")), 14);
}

}  // namespace
}  // namespace tzl::test
