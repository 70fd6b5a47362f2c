// The disclaimer on the first start and from the menu, the close button.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "app/disclaimer_text.h"
#include "gui/wide_text.h"
#include "main_window_harness.h"

namespace tzl::test {
namespace {

HWND DialogControl(HWND dialog, int index) { return GetDlgItem(dialog, 100 + index); }
HWND DisclaimerText(HWND dialog) { return DialogControl(dialog, 0); }
HWND DisagreeButton(HWND dialog) { return DialogControl(dialog, 1); }
HWND AgreeButton(HWND dialog) { return DialogControl(dialog, 2); }

struct SeenDisclaimer {
  RECT dialog{}, main{};
  Text text, agreeText, disagreeText;
  bool mainEnabled = true;
  bool mainTopmost = true;
  LONG_PTR exStyle = 0;
  int shown = 0;
};

// Records what the open disclaimer looks like, then presses one button
// through the modal loop, as a person would.
std::function<void(MainWindowHarness&, HWND)> Press(bool agree, SeenDisclaimer* seen) {
  return [agree, seen](MainWindowHarness& harness, HWND dialog) {
    ++seen->shown;
    GetWindowRect(dialog, &seen->dialog);
    GetWindowRect(GetWindow(dialog, GW_OWNER), &seen->main);
    seen->text = gui::WindowTextOf(DisclaimerText(dialog));
    seen->agreeText = gui::WindowTextOf(AgreeButton(dialog));
    seen->disagreeText = gui::WindowTextOf(DisagreeButton(dialog));
    seen->exStyle = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    seen->mainTopmost = GetWindowLongPtrW(GetWindow(dialog, GW_OWNER), GWL_EXSTYLE) & WS_EX_TOPMOST;
    (void)harness;
    PostMessageW(agree ? AgreeButton(dialog) : DisagreeButton(dialog), BM_CLICK, 0, 0);
  };
}

TEST(Disclaimer, FirstStartShowsItCentredAndAgreeingWritesTheMarker) {
  SeenDisclaimer seen;
  MainWindowHarness harness(/*agreed=*/false, false, Press(true, &seen));
  ASSERT_EQ(seen.shown, 1);
  EXPECT_EQ(seen.text, app::kDisclaimerText);
  EXPECT_EQ(seen.agreeText, "同意");
  EXPECT_EQ(seen.disagreeText, "不同意");
  EXPECT_EQ(seen.dialog.right - seen.dialog.left, 429);
  EXPECT_EQ(seen.dialog.bottom - seen.dialog.top, 250);
  EXPECT_EQ(seen.dialog.top, seen.main.top + 97);
  EXPECT_EQ(seen.dialog.left, seen.main.left - 25);
  EXPECT_TRUE(seen.exStyle & WS_EX_TOPMOST);
  EXPECT_FALSE(seen.exStyle & WS_EX_APPWINDOW);

  EXPECT_EQ(ReadBytes(harness.markerPath), std::string(app::kDisclaimerText));
  EXPECT_EQ(harness.programEnds, 0);
  EXPECT_TRUE(GetWindowLongPtrW(harness.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowEnabled(harness.Handle()));
  // The start-up went on after the agreement: the placeholders are gone.
  EXPECT_EQ(gui::WindowTextOf(harness.Control("注册商")), "");
}

TEST(Disclaimer, MarkerBytesAreTheCodePage936Text) {
  SeenDisclaimer seen;
  MainWindowHarness harness(false, false, Press(true, &seen));
  std::string marker = ReadBytes(harness.markerPath);
  // "探" in code page 936, the ASCII quotes, the two CR LF pairs, no terminator.
  ASSERT_GE(marker.size(), 2u);
  EXPECT_EQ(marker.substr(0, 2), "\xCC\xBD");
  EXPECT_NE(marker.find("\"探址灵\""), std::string::npos);
  EXPECT_NE(marker.find("。\r\n\r\n本软件"), std::string::npos);
  EXPECT_NE(marker.back(), '\0');
}

TEST(Disclaimer, NoDisclaimerWhenTheMarkerExists) {
  SeenDisclaimer seen;
  MainWindowHarness harness(true, false, Press(true, &seen));
  EXPECT_EQ(seen.shown, 0);
  EXPECT_EQ(ReadBytes(harness.markerPath), "agreed earlier");
}

TEST(Disclaimer, DisagreeingOnFirstStartEndsTheProgramWithoutMarker) {
  SeenDisclaimer seen;
  MainWindowHarness harness(false, false, Press(false, &seen));
  EXPECT_EQ(seen.shown, 1);
  EXPECT_EQ(harness.programEnds, 1);
  EXPECT_FALSE(Exists(harness.markerPath));
}

TEST(Disclaimer, AboutThenDisagreeDeletesTheMarkerAndEnds) {
  SeenDisclaimer seen;
  MainWindowHarness harness(true, false, Press(false, &seen));
  harness.menuChoice = 3;
  harness.PressRight(harness.Handle());
  EXPECT_EQ(seen.shown, 1);
  EXPECT_FALSE(seen.mainTopmost);  // switched off while the disclaimer shows
  EXPECT_FALSE(Exists(harness.markerPath));
  EXPECT_EQ(harness.programEnds, 1);
}

TEST(Disclaimer, AboutThenAgreeRewritesTheMarkerAndPutsTheWindowOnTop) {
  SeenDisclaimer seen;
  MainWindowHarness harness(true, false, Press(true, &seen));
  harness.menuChoice = 3;
  harness.PressRight(harness.Control("图片框1"));
  EXPECT_EQ(seen.shown, 1);
  EXPECT_FALSE(seen.mainTopmost);
  EXPECT_EQ(ReadBytes(harness.markerPath), std::string(app::kDisclaimerText));
  EXPECT_TRUE(GetWindowLongPtrW(harness.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(harness.programEnds, 0);
}

TEST(Disclaimer, OtherWaysOfClosingAreIgnored) {
  bool stillOpen = false;
  MainWindowHarness harness(false, false, [&](MainWindowHarness&, HWND dialog) {
    SendMessageW(dialog, WM_CLOSE, 0, 0);
    stillOpen = IsWindow(dialog);
    PostMessageW(AgreeButton(dialog), BM_CLICK, 0, 0);
  });
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(Exists(harness.markerPath));
}

// A job writing its fields while the GUI thread sits in the disclaimer's
// modal loop must finish: its writes are carried out by that loop.
TEST(Disclaimer, JobsWritingDuringTheModalLoopDoNotBlock) {
  std::thread job;
  MainWindowHarness harness(true, false, [&](MainWindowHarness& self, HWND dialog) {
    job = std::thread([&self, dialog] {
      for (int i = 0; i < 50; ++i) self.window().SetLabelText(ResultLabel::Valuation, "估值：" + std::to_string(i));
      self.window().SetCellText(ResultList::Details, 8, 1, "1.2.3.4");
      PostMessageW(AgreeButton(dialog), BM_CLICK, 0, 0);
    });
  });
  harness.menuChoice = 3;
  harness.PressRight(harness.Handle());
  job.join();
  EXPECT_EQ(harness.window().LabelText(ResultLabel::Valuation), "估值：49");
  EXPECT_EQ(harness.window().CellText(ResultList::Details, 8, 1), "1.2.3.4");
}

TEST(CloseButton, DeletesTheOtherFileKeepsTheMarkerAndEnds) {
  MainWindowHarness harness;
  WriteBytes(harness.closeDeletesPath, "x");
  harness.Click("按钮3");
  EXPECT_FALSE(Exists(harness.closeDeletesPath));
  EXPECT_TRUE(Exists(harness.markerPath));
  EXPECT_EQ(harness.programEnds, 1);
  harness.Click("按钮3");  // nothing to delete: still just the end
  EXPECT_EQ(harness.programEnds, 2);
}

}  // namespace
}  // namespace tzl::test
