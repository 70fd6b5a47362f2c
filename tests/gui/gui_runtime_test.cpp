// The GUI run time on its own: forms from tables, events of our own
// controls, work handed to the GUI thread, timers, pictures and image
// lists, and the pictures the program carries.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "app/carried_pictures.h"
#include "gui/event_loop.h"
#include "gui/form.h"
#include "gui/gdiplus_headers.h"
#include "gui/list_images.h"
#include "gui/modal.h"
#include "gui/picture.h"
#include "gui/picture_box.h"
#include "gui/popup_menu.h"
#include "gui/wide_text.h"

namespace tzl::gui {
namespace {

FormDesign TestForm() {
  FormDesign design;
  design.className = "TzlTestForm";
  design.title = "测试窗口";
  design.width = 300;
  design.height = 200;
  return design;
}

std::vector<ControlDesign> TestControls() {
  ControlDesign strip = MakeControl(ControlKind::PictureBox, "图片框");
  strip.width = 300;
  strip.height = 30;
  ControlDesign inner = MakeControl(ControlKind::Button, "里面的按钮");
  inner.parent = "图片框";
  inner.text = "X";
  inner.left = 270;
  inner.width = 30;
  inner.height = 30;
  ControlDesign label = MakeControl(ControlKind::TransparentLabel, "标签");
  label.text = "中文标签";
  label.left = 10;
  label.top = 40;
  label.width = 200;
  label.height = 20;
  ControlDesign list = MakeControl(ControlKind::ListView, "列表");
  list.top = 70;
  list.width = 300;
  list.height = 100;
  list.columns = {{"列", 100}};
  return {strip, inner, label, list};
}

void Pump(int milliseconds) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    ProcessPendingEvents();
    Sleep(10);
  }
}

TEST(GuiForm, ControlsAreNamedChildWindowsAndReportTheirEvents) {
  Form form;
  ASSERT_TRUE(form.Create(TestForm(), TestControls()));
  EXPECT_EQ(WindowTextOf(form.Handle()), "测试窗口");
  EXPECT_EQ(WindowTextOf(form.Control("标签")), "中文标签");
  EXPECT_EQ(GetParent(form.Control("里面的按钮")), form.Control("图片框"));
  EXPECT_EQ(form.Control("没有的"), nullptr);

  std::vector<std::string> events;
  form.On("里面的按钮", ControlEvent::Click, [&](LPARAM) { events.push_back("button"); });
  form.On("标签", ControlEvent::Click, [&](LPARAM) { events.push_back("label"); });
  form.On("图片框", ControlEvent::RightPress, [&](LPARAM) { events.push_back("strip right"); });
  SendMessageW(form.Control("里面的按钮"), BM_CLICK, 0, 0);  // reaches the form through the strip
  SendMessageW(form.Control("标签"), WM_LBUTTONDOWN, MK_LBUTTON, 0);
  SendMessageW(form.Control("图片框"), WM_RBUTTONDOWN, MK_RBUTTON, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"button", "label", "strip right"}));
}

TEST(GuiForm, WorkFromOtherThreadsRunsOnTheGuiThreadEvenInAModalLoop) {
  Form owner;
  ASSERT_TRUE(owner.Create(TestForm(), TestControls()));
  Form dialog;
  FormDesign dialogDesign = TestForm();
  dialogDesign.className = "TzlTestDialog";
  ASSERT_TRUE(dialog.Create(dialogDesign, {}, owner.Handle()));

  DWORD guiThread = GetCurrentThreadId();
  std::atomic<int> ranOnGui{0};
  std::thread worker([&] {
    for (int i = 0; i < 20; ++i) {
      owner.RunOnGuiThread([&] {
        if (GetCurrentThreadId() == guiThread) ++ranOnGui;
      });
    }
    dialog.RunOnGuiThread([&] { dialog.Destroy(); });
  });
  RunModal(dialog, owner.Handle());  // returns once the worker closed it
  worker.join();
  EXPECT_EQ(ranOnGui, 20);
  EXPECT_TRUE(IsWindowEnabled(owner.Handle()));

  // After the window is gone the work is dropped, never waited for.
  owner.Destroy();
  bool ran = false;
  std::thread late([&] { owner.RunOnGuiThread([&] { ran = true; }); });
  late.join();
  EXPECT_FALSE(ran);
}

TEST(GuiForm, TimersFireAndStop) {
  Form form;
  ASSERT_TRUE(form.Create(TestForm(), {}));
  int ticks = 0;
  form.AddTimer(7, 20, [&] { ++ticks; });
  Pump(300);
  EXPECT_GT(ticks, 2);
  form.SetTimerPeriod(7, 0);
  EXPECT_EQ(form.TimerPeriod(7), 0u);
  ProcessPendingEvents();
  int stopped = ticks;
  Pump(150);
  EXPECT_EQ(ticks, stopped);
}

// A 2 x 2 24-bit BMP: red top-left, blue elsewhere.
std::string TinyBmp() {
  std::string bytes(54 + 16, '\0');
  auto put32 = [&](size_t at, uint32_t value) { std::memcpy(&bytes[at], &value, 4); };
  bytes[0] = 'B';
  bytes[1] = 'M';
  put32(2, static_cast<uint32_t>(bytes.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, 2);
  put32(22, 2);
  bytes[26] = 1;
  bytes[28] = 24;
  // Bottom-up rows of 6 bytes padded to 8: blue blue / red blue.
  const unsigned char rows[16] = {255, 0, 0, 255, 0, 0, 0, 0, 0, 0, 255, 255, 0, 0, 0, 0};
  std::memcpy(&bytes[54], rows, 16);
  return bytes;
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y) {
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  COLORREF colour = GetPixel(memory, x, y);
  SelectObject(memory, old);
  DeleteDC(memory);
  return colour;
}

TEST(GuiPictures, DecodedPicturesAreStretchedWithTheirTopLeftColour) {
  StretchedPicture picture = DecodeStretched(TinyBmp(), 80, 20);
  ASSERT_NE(picture.bitmap, nullptr);
  BITMAP info;
  GetObjectW(picture.bitmap, sizeof info, &info);
  EXPECT_EQ(info.bmWidth, 80);
  EXPECT_EQ(info.bmHeight, 20);
  EXPECT_EQ(picture.topLeft, RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(picture.bitmap, 79, 19), RGB(0, 0, 255));
  DeleteObject(picture.bitmap);

  for (const std::string& bad : {std::string(), std::string("not a picture"), TinyBmp().substr(0, 30)}) {
    EXPECT_EQ(DecodeStretched(bad, 80, 20).bitmap, nullptr);
  }
  EXPECT_EQ(DecodeStretched(TinyBmp(), 0, 20).bitmap, nullptr);
}

TEST(GuiPictures, ListImagesTakeStretchedPictures) {
  Form form;
  ASSERT_TRUE(form.Create(TestForm(), TestControls()));
  HWND list = form.Control("列表");
  EXPECT_EQ(AddListImage(list, DecodeStretched(TinyBmp(), 55, 22)), -1);  // no image list yet
  ResetListImages(list, 55, 22);
  int width = 0, height = 0;
  ASSERT_TRUE(ListImageSize(list, &width, &height));
  EXPECT_EQ(width, 55);
  EXPECT_EQ(height, 22);
  EXPECT_EQ(AddListImage(list, DecodeStretched(TinyBmp(), 55, 22)), 0);
  EXPECT_EQ(AddListImage(list, DecodeStretched(TinyBmp(), 55, 22)), 1);
  ResetListImages(list, 80, 20);  // a new, empty list
  EXPECT_EQ(AddListImage(list, DecodeStretched(TinyBmp(), 80, 20)), 0);
}

TEST(CarriedPictures, IconAndAnimatedTitlePicture) {
  HICON icon = app::ProgramIcon();
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP colour{};
  GetObjectW(info.hbmColor, sizeof colour, &colour);
  EXPECT_EQ(colour.bmWidth, 128);
  EXPECT_EQ(colour.bmHeight, 128);
  EXPECT_EQ(colour.bmBitsPixel, 32);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);

  std::string gif = app::TitlePictureBytes();
  ASSERT_EQ(gif.substr(0, 6), "GIF89a");
  std::unique_ptr<Gdiplus::Image> picture = DecodePicture(gif);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->GetWidth(), 47u);
  EXPECT_EQ(picture->GetHeight(), 47u);

  Form form;
  ASSERT_TRUE(form.Create(TestForm(), TestControls()));
  form.Show();
  HWND strip = form.Control("图片框");
  SetPictureBoxAnimation(strip, std::move(picture), RECT{2, 0, 32, 30});
  EXPECT_EQ(PictureBoxFrameCount(strip), 64u);
  Pump(300);
  EXPECT_GT(PictureBoxFrame(strip), 0u);  // the frames play
}

TEST(GuiPopupMenu, OpensLeftOfAndAboveThePointerAndCancelsToNothing) {
  Form form;
  ASSERT_TRUE(form.Create(TestForm(), {}));
  form.Show();
  RECT seen{};
  std::thread watcher([&] {
    for (int i = 0; i < 300; ++i) {
      HWND menu = FindWindowW(L"#32768", nullptr);
      if (menu && IsWindowVisible(menu)) {
        GetWindowRect(menu, &seen);
        break;
      }
      Sleep(10);
    }
    PostMessageW(form.Handle(), WM_CANCELMODE, 0, 0);
  });
  int chosen = ShowPopupMenu(form.Handle(), {"保存此次查询到桌面", "更新与反馈", "关于本软件"}, POINT{600, 400});
  watcher.join();
  EXPECT_EQ(chosen, 0);
  EXPECT_EQ(seen.right, 595);
  EXPECT_EQ(seen.top, 395);
}

}  // namespace
}  // namespace tzl::gui
