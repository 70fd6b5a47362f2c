// The main window as designed, its menu and its label clicks.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/main_window_form.h"
#include "app/search_pages.h"
#include "gui/list_view.h"
#include "gui/wide_text.h"
#include "lookups/shared_values.h"
#include "main_window_harness.h"

namespace tzl::test {
namespace {

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

TEST(WindowLayout, WindowIsBorderlessTopmostAndTitled) {
  MainWindowHarness harness;
  EXPECT_EQ(gui::WindowTextOf(harness.Handle()), "探址灵");
  EXPECT_EQ(harness.WindowSize().cx, 379);
  EXPECT_EQ(harness.WindowSize().cy, 444);
  LONG_PTR style = GetWindowLongPtrW(harness.Handle(), GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(GetMenu(harness.Handle()), nullptr);
  LONG_PTR exStyle = GetWindowLongPtrW(harness.Handle(), GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
}

TEST(WindowLayout, EveryControlIsAChildWindowAtItsPlace) {
  struct Place {
    const char* name;
    const wchar_t* windowClass;
    int left, top, width, height;
  };
  const Place places[] = {
      {"图片框1", L"TzlPictureBox", 0, 0, 380, 32},
      {"按钮3", L"Button", 348, 0, 32, 32},
      {"编辑框1", L"Edit", 10, 38, 360, 30},
      {"透明标签1", L"TzlTransparentLabel", 11, 68, 285, 20},
      {"注册商", L"TzlTransparentLabel", 5, 90, 370, 20},
      {"注册商网址", L"TzlTransparentLabel", 5, 109, 370, 14},
      {"更新日期", L"TzlTransparentLabel", 5, 130, 180, 15},
      {"注册日期", L"TzlTransparentLabel", 5, 153, 180, 15},
      {"到期日期", L"TzlTransparentLabel", 4, 176, 380, 15},
      {"按钮1", L"Button", 364, 193, 15, 70},
      {"邮箱", L"TzlTransparentLabel", 5, 199, 370, 15},
      {"电话", L"TzlTransparentLabel", 5, 222, 370, 15},
      {"注册人", L"TzlTransparentLabel", 5, 250, 370, 15},
      {"sc", L"TzlTransparentLabel", 5, 273, 370, 15},
      {"CXZ", L"TzlTransparentLabel", 5, 293, 370, 75},
      {"搜狗反链", L"TzlTransparentLabel", 5, 375, 185, 15},
      {"百度反链", L"TzlTransparentLabel", 194, 375, 185, 15},
      {"搜狗收录", L"TzlTransparentLabel", 5, 396, 185, 15},
      {"百度收录", L"TzlTransparentLabel", 194, 396, 185, 15},
      {"终端", L"TzlTransparentLabel", 5, 419, 371, 15},
      {"超级列表框1", L"SysListView32", 0, 545, 379, 0},
      {"超级列表框2", L"SysListView32", 379, 0, 400, 444},
      {"按钮2", L"Button", 761, -1, 18, 18},
  };
  MainWindowHarness harness;
  for (const Place& place : places) {
    HWND control = harness.Control(place.name);
    ASSERT_NE(control, nullptr) << place.name;
    EXPECT_EQ(GetDlgCtrlID(control), app::MainWindowControlId(place.name)) << place.name;
    EXPECT_EQ(ClassOf(control), place.windowClass) << place.name;
    RECT at = harness.PlaceOf(place.name);
    EXPECT_EQ(at.left, place.left) << place.name;
    EXPECT_EQ(at.top, place.top) << place.name;
    EXPECT_EQ(at.right - at.left, place.width) << place.name;
    EXPECT_EQ(at.bottom - at.top, place.height) << place.name;
  }
  EXPECT_EQ(GetParent(harness.Control("按钮3")), harness.Control("图片框1"));
  EXPECT_FALSE(IsWindowVisible(harness.Control("画板1")));
  EXPECT_FALSE(IsWindowVisible(harness.Control("画板2")));
}

TEST(WindowLayout, TextsAfterCreation) {
  MainWindowHarness harness;
  EXPECT_EQ(gui::WindowTextOf(harness.Control("按钮1")), "m\r\no\r\nr\r\ne");
  EXPECT_EQ(gui::WindowTextOf(harness.Control("按钮2")), "×");
  EXPECT_EQ(gui::WindowTextOf(harness.Control("按钮3")), "X");
  EXPECT_EQ(gui::WindowTextOf(harness.Control("透明标签1")), "输入之后回车查询 顶部右键保存信息 版本1.10");
  EXPECT_EQ(harness.QueryBox(), "");
  // The created handler emptied the placeholders.
  for (int i = 0; i < kResultLabelCount; ++i) {
    EXPECT_EQ(gui::WindowTextOf(harness.Control(ControlName(static_cast<ResultLabel>(i)))), "") << i;
  }
}

TEST(WindowLayout, ListsHaveTheirColumnsAndFixedRows) {
  MainWindowHarness harness;
  auto columnTitle = [](HWND list, int index) {
    wchar_t title[64] = {};
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 64;
    SendMessageW(list, LVM_GETCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    return std::make_pair(gui::Narrow(title), column.cx);
  };
  HWND prices = harness.Control("超级列表框1");
  EXPECT_TRUE(GetWindowLongPtrW(prices, GWL_STYLE) & LVS_REPORT);
  EXPECT_EQ(columnTitle(prices, 0), std::make_pair(Text("价格"), 85));
  EXPECT_EQ(columnTitle(prices, 1), std::make_pair(Text("类型"), 76));
  EXPECT_EQ(columnTitle(prices, 2), std::make_pair(Text("交易时间"), 135));
  EXPECT_EQ(columnTitle(prices, 3), std::make_pair(Text("交易平台"), 80));
  EXPECT_EQ(ListView_GetItemCount(prices), 0);

  HWND details = harness.Control("超级列表框2");
  EXPECT_EQ(columnTitle(details, 0), std::make_pair(Text("权重-搜索引擎"), 200));
  EXPECT_EQ(columnTitle(details, 1), std::make_pair(Text("来路IP"), 200));
  const char* captions[] = {"百度PC",   "百度移动",      "搜狗PC",        "搜狗移动",       "360PC",
                            "360移动",  "神马移动",      "---------------", "ip地址：",      "备案/许可证号：",
                            "审核通过日期：", "主办单位名称：", "主办单位性质：", "网站名称："};
  ASSERT_EQ(ListView_GetItemCount(details), 14);
  for (int row = 0; row < 14; ++row) EXPECT_EQ(gui::ListCellText(details, row, 0), captions[row]) << row;
  EXPECT_EQ(gui::ListCellText(details, 7, 1), "---------------");
  EXPECT_EQ(gui::ListCellText(details, 8, 1), "");
}

TEST(WindowLayout, TitleStripAndFreeAreaShowTheSameMenu) {
  MainWindowHarness harness;
  harness.PressRight(harness.Control("图片框1"));
  harness.PressRight(harness.Handle());
  harness.PressRight(harness.Control("CXZ"));  // a label without a right-button action
  ASSERT_EQ(harness.menusShown.size(), 3u);
  std::vector<Text> items = {"保存此次查询到桌面", "更新与反馈", "关于本软件"};
  for (const auto& shown : harness.menusShown) EXPECT_EQ(shown, items);
}

TEST(WindowLayout, FeedbackItemOpensTheFeedbackPage) {
  MainWindowHarness harness;
  harness.menuChoice = 2;
  harness.PressRight(harness.Handle());
  EXPECT_EQ(harness.opened, std::vector<Text>{app::kFeedbackPage});
}

TEST(WindowLayout, LabelClicksOpenPagesForTheBoxTextOfTheMoment) {
  MainWindowHarness harness;
  harness.SetQueryBox("example.com");
  harness.PressLeft("搜狗收录");
  harness.PressLeft("百度收录");
  harness.PressLeft("搜狗反链");
  harness.SetQueryBox("edited.cn");  // no Enter: the click takes the box as it is
  harness.PressLeft("百度反链");
  std::vector<Text> expected = {
      "https://www.sogou.com/web?query=site:example.com",
      "https://www.baidu.com/s?wd=site:example.com",
      "https://www.sogou.com/web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=%E2%80%9Cexample.com%E2%80%9D",
      "https://www.baidu.com/s?ie=utf-8&f=8&rsv_bp=1&rsv_idx=1&tn=baidu&wd=%E2%80%9Cedited.cn%E2%80%9D",
  };
  EXPECT_EQ(harness.opened, expected);
}

TEST(WindowLayout, RegistrarAddressAndCompanyClicks) {
  MainWindowHarness harness;
  harness.window().SetLabelText(ResultLabel::RegistrarUrl, "注册商网址：http://www.markmonitor.com");
  harness.PressLeft("注册商网址");
  harness.window().SetLabelText(ResultLabel::RegistrarUrl, "注册商网址：");
  harness.PressLeft("注册商网址");
  CompanySearchAddress().Set("https://aiqicha.baidu.com/s?q=example");
  harness.PressLeft("终端");
  std::vector<Text> expected = {"http://www.markmonitor.com", "", "https://aiqicha.baidu.com/s?q=example"};
  EXPECT_EQ(harness.opened, expected);
  CompanySearchAddress().Set("");
}

TEST(WindowLayout, RightPressOnTheQueryBoxOpensBothSchemes) {
  MainWindowHarness harness;
  harness.SetQueryBox("example.com");
  harness.PressRight(harness.Control("编辑框1"));
  harness.SetQueryBox("");
  harness.PressRight(harness.Control("编辑框1"));
  std::vector<Text> expected = {"http://example.com", "https://example.com", "http://", "https://"};
  EXPECT_EQ(harness.opened, expected);
  EXPECT_TRUE(harness.menusShown.empty());
}

}  // namespace
}  // namespace tzl::test
