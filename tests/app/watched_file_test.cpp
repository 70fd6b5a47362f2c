// The watched query file beside the program.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/main_window_form.h"
#include "gui/event_loop.h"
#include "main_window_harness.h"

namespace tzl::test {
namespace {

class WatchedFileTest : public ::testing::Test {
 protected:
  WatchedFileTest() : harness(true, /*watchedFileAtStart=*/true) {}
  void Write(const std::string& bytes) { WriteBytes(harness.programDirectory + "/whois.txt", bytes); }
  // One timer tick; true when it started a dispatch.
  bool Tick() {
    size_t before = harness.threads.size();
    harness.window().CheckWatchedFile();
    return harness.threads.size() > before;
  }
  MainWindowHarness harness;
};

TEST_F(WatchedFileTest, TimerRunsOnlyWhenTheFileExistedAtCreation) {
  EXPECT_EQ(harness.window().form().TimerPeriod(app::kWatchTimerId), 500u);
  MainWindowHarness without(true, false);
  EXPECT_EQ(without.window().form().TimerPeriod(app::kWatchTimerId), 0u);
}

TEST_F(WatchedFileTest, AChangedContentIsQueriedOnce) {
  EXPECT_FALSE(Tick());  // the empty file equals "nothing seen yet"
  Write("example.com");
  EXPECT_TRUE(Tick());
  EXPECT_EQ(harness.QueryBox(), "example.com");
  EXPECT_FALSE(Tick());
  Write("example.cn");
  EXPECT_TRUE(Tick());
  EXPECT_EQ(harness.QueryBox(), "example.cn");
  Write("example.cn");
  EXPECT_FALSE(Tick());
}

TEST_F(WatchedFileTest, DispatchRunsOnItsThreadWithoutTheEnterSteps) {
  harness.window().SetLabelText(ResultLabel::Registrar, "注册商：上一次");
  harness.window().SetWindowWidth(777);
  Write("example。com");
  ASSERT_TRUE(Tick());
  EXPECT_EQ(harness.TakeJobs(), 0u);  // nothing until the dispatch thread runs
  harness.RunRecordedThreads();
  EXPECT_EQ(harness.TakeJobs(), 4u);
  EXPECT_EQ(harness.QueryBox(), "example。com.com");
  EXPECT_EQ(harness.window().LabelText(ResultLabel::Registrar), "注册商：上一次");
  EXPECT_EQ(harness.WindowSize().cx, 777);
}

TEST_F(WatchedFileTest, LineBreakStaysAndOnlySpacesGo) {
  Write("exa mple.com\r\n");
  ASSERT_TRUE(Tick());
  EXPECT_EQ(harness.QueryBox(), "exa mple.com\r\n");
  harness.RunRecordedThreads();
  EXPECT_EQ(harness.QueryBox(), "example.com\r\n");
}

TEST_F(WatchedFileTest, EmptyAfterADomainDispatchesDotCom) {
  Write("example");
  ASSERT_TRUE(Tick());
  harness.RunRecordedThreads();
  EXPECT_EQ(harness.QueryBox(), "example.com");
  Write("");
  ASSERT_TRUE(Tick());
  harness.RunRecordedThreads();
  EXPECT_EQ(harness.QueryBox(), ".com");
}

TEST_F(WatchedFileTest, ContentEndsAtAZeroByteAndADeletedFilePauses) {
  Write(std::string("example.com\0junk", 16));
  ASSERT_TRUE(Tick());
  EXPECT_EQ(harness.QueryBox(), "example.com");
  DeleteFileW(std::wstring(harness.programDirectory.begin(), harness.programDirectory.end()).append(L"/whois.txt").c_str());
  EXPECT_FALSE(Tick());
  Write("example.com");  // the same content again: remembered across the pause
  EXPECT_FALSE(Tick());
}

}  // namespace
}  // namespace tzl::test

namespace tzl::test {
namespace {

TEST(WatchedFileTimer, TicksOfTheRealTimerTakeTheChange) {
  MainWindowHarness harness(true, true);
  WriteBytes(harness.programDirectory + "/whois.txt", "example.com");
  for (int i = 0; i < 150 && harness.threads.empty(); ++i) {
    gui::ProcessPendingEvents();
    Sleep(10);
  }
  EXPECT_EQ(harness.threads.size(), 1u);
  EXPECT_EQ(harness.QueryBox(), "example.com");
}

// Nothing is looked up for another program before the user has accepted
// the terms; the file is taken once they are.
TEST(WatchedFileTimer, NoQueryWhileTheDisclaimerIsOpen) {
  size_t duringDisclaimer = 99;
  MainWindowHarness harness(false, true, [&](MainWindowHarness& self, HWND dialog) {
    WriteBytes(self.programDirectory + "/whois.txt", "example.com");
    self.window().CheckWatchedFile();
    duringDisclaimer = self.threads.size();
    PostMessageW(GetDlgItem(dialog, 102), BM_CLICK, 0, 0);
  });
  EXPECT_EQ(duringDisclaimer, 0u);
  EXPECT_EQ(harness.window().form().TimerPeriod(app::kWatchTimerId), 500u);
  harness.window().CheckWatchedFile();
  EXPECT_EQ(harness.threads.size(), 1u);
}

}  // namespace
}  // namespace tzl::test
