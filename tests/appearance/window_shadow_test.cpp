// The drop shadow: its window, its properties, its placement and its rings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "appearance/window_shadow.h"
#include "appearance/window_shadow_internal.h"
#include "tests/appearance/window_capture.h"

namespace tzl {
namespace {

using namespace shadow;

HWND ShadowOf(HWND window) { return static_cast<HWND>(GetPropA(window, kShadowProperty)); }

RECT WindowRect(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return rect;
}

void ExpectRect(const RECT& actual, int left, int top, int right, int bottom) {
  EXPECT_EQ(actual.left, left);
  EXPECT_EQ(actual.top, top);
  EXPECT_EQ(actual.right, right);
  EXPECT_EQ(actual.bottom, bottom);
}

// DrawShadowRings on a zeroed 32-bit DIB; the alphas of row `y`.
std::vector<int> RingAlphas(int size, COLORREF colour, int width, int height, int y, std::vector<uint8_t>* all = nullptr) {
  HWND holder = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  SetPropA(holder, kColourProperty, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(colour)));
  SetPropA(holder, kSizeProperty, reinterpret_cast<HANDLE>(static_cast<intptr_t>(size)));
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down, so row y is row y
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::memset(bits, 0, width * height * 4);
  HGDIOBJ previous = SelectObject(dc, bitmap);
  DrawShadowRings(holder, dc, width, height);
  GdiFlush();
  const auto* pixels = static_cast<const uint8_t*>(bits);
  std::vector<int> alphas;
  for (int x = 0; x < width; ++x) alphas.push_back(pixels[(y * width + x) * 4 + 3]);
  if (all != nullptr) all->assign(pixels, pixels + width * height * 4);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
  DestroyWindow(holder);
  return alphas;
}

class ShadowTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { StartGdiplus(); }
  void SetUp() override { window = test::CreateTestWindow(100, 120, 300, 200); }
  void TearDown() override { DestroyWindow(window); }
  HWND window = nullptr;
};

TEST_F(ShadowTest, RingsGrowInOpacityTowardsTheWindowAndLeaveItsRectangleEmpty) {
  const struct {
    int size;
    std::vector<int> rings;
  } cases[] = {
      {4, {25, 50, 75, 100}},
      {5, {20, 40, 60, 80, 100}},
      {9, {16, 32, 48, 64, 80, 96, 112, 128, 144}},
  };
  for (const auto& c : cases) {
    const int width = 40 + 2 * c.size, height = 30 + 2 * c.size;
    std::vector<uint8_t> pixels;
    const std::vector<int> row = RingAlphas(c.size, RGB(120, 120, 120), width, height, height / 2, &pixels);
    std::vector<int> expected = c.rings;
    expected.insert(expected.end(), width - 2 * c.size, 0);
    expected.insert(expected.end(), c.rings.rbegin(), c.rings.rend());
    EXPECT_EQ(row, expected) << "size " << c.size;
    // The top rows are rings too, and nothing is drawn over the window.
    for (int ring = 0; ring < c.size; ++ring) {
      EXPECT_EQ(pixels[(ring * width + width / 2) * 4 + 3], c.rings[ring]) << "size " << c.size;
    }
    for (int y = c.size; y < height - c.size; ++y) {
      for (int x = c.size; x < width - c.size; ++x) ASSERT_EQ(pixels[(y * width + x) * 4 + 3], 0) << x << "," << y;
    }
  }
}

TEST_F(ShadowTest, AttachMakesAnOwnedLayeredShadowEightPixelsLargerOffsetByFour) {
  EXPECT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  HWND shadowWindow = ShadowOf(window);
  ASSERT_TRUE(IsWindow(shadowWindow));
  ExpectRect(WindowRect(shadowWindow), 96, 116, 404, 324);
  EXPECT_EQ(GetWindow(shadowWindow, GW_OWNER), window);
  char className[32] = {};
  GetClassNameA(shadowWindow, className, sizeof className);
  EXPECT_TRUE(_stricmp(className, "SysShadow") == 0 || _stricmp(className, "Static") == 0) << className;
  EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(shadowWindow, GWL_STYLE)) & (WS_POPUP | WS_VISIBLE | WS_CHILD),
            static_cast<DWORD>(WS_POPUP | WS_VISIBLE));
  EXPECT_EQ(GetWindowLongA(shadowWindow, GWL_EXSTYLE) & (WS_EX_LAYERED | WS_EX_TRANSPARENT),
            WS_EX_LAYERED | WS_EX_TRANSPARENT);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(GetPropA(shadowWindow, kColourProperty)), RGB(120, 120, 120));
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(shadowWindow, kSizeProperty)), 4);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), reinterpret_cast<LONG>(&ShadowWindowProc));
}

TEST_F(ShadowTest, SecondAttachKeepsOneShadowAndOneSubclassWithTheNewValues) {
  ASSERT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  HWND first = ShadowOf(window);
  HANDLE original = GetPropA(window, kProcProperty);
  ASSERT_TRUE(SetWindowShadow(window, RGB(10, 20, 30)));
  EXPECT_EQ(ShadowOf(window), first);
  EXPECT_EQ(GetPropA(window, kProcProperty), original);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(GetPropA(first, kColourProperty)), RGB(10, 20, 30));
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(first, kSizeProperty)), 5) << "no size given: 5";
  ExpectRect(WindowRect(first), 95, 115, 405, 325);
}

TEST_F(ShadowTest, SizeZeroRemovesTheShadowAndRestoresTheProcedure) {
  const LONG original = GetWindowLongA(window, GWL_WNDPROC);
  ASSERT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  HWND shadowWindow = ShadowOf(window);
  EXPECT_FALSE(SetWindowShadow(window, RGB(120, 120, 120), 0));
  EXPECT_FALSE(IsWindow(shadowWindow));
  EXPECT_EQ(GetPropA(window, kShadowProperty), nullptr);
  EXPECT_EQ(GetPropA(window, kProcProperty), nullptr);
  EXPECT_EQ(GetWindowLongA(window, GWL_WNDPROC), original);
  EXPECT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4)) << "and it can come back";
}

TEST(ShadowOnUnicodeWindow, KeepsTheWindowUnicodeAndItsTextReadable) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"TzlWideShadowTest";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, L"TzlWideShadowTest", L"\u63a2\u5740", WS_POPUP | WS_VISIBLE, 10, 10, 200, 100,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  const LONG original = GetWindowLongW(window, GWL_WNDPROC);
  ASSERT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  EXPECT_TRUE(IsWindowUnicode(window));
  wchar_t title[16] = {};
  SendMessageW(window, WM_GETTEXT, 16, reinterpret_cast<LPARAM>(title));
  EXPECT_STREQ(title, L"\u63a2\u5740");
  EXPECT_FALSE(SetWindowShadow(window, RGB(120, 120, 120), 0));
  EXPECT_EQ(GetWindowLongW(window, GWL_WNDPROC), original);
  DestroyWindow(window);
}

TEST_F(ShadowTest, RefusedInputsChangeNothing) {
  EXPECT_FALSE(SetWindowShadow(nullptr, RGB(1, 2, 3), 4));
  EXPECT_FALSE(SetWindowShadow(reinterpret_cast<HWND>(0x12345678), RGB(1, 2, 3), 4));
  EXPECT_FALSE(SetWindowShadow(window, RGB(1, 2, 3), kMaxShadowSize + 1));
  EXPECT_EQ(GetPropA(window, kShadowProperty), nullptr);
  EXPECT_EQ(GetPropA(window, kProcProperty), nullptr);
}

TEST_F(ShadowTest, FollowsMovesAndHidesWhileMaximisedMinimisedOrHidden) {
  DestroyWindow(window);
  window = test::CreateTestWindow(100, 120, 300, 200, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  ASSERT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  HWND shadowWindow = ShadowOf(window);

  MoveWindow(window, 200, 150, 320, 240, TRUE);
  test::PumpMessages();
  ExpectRect(WindowRect(shadowWindow), 196, 146, 524, 394);

  ShowWindow(window, SW_MAXIMIZE);
  test::PumpMessages();
  EXPECT_FALSE(IsWindowVisible(shadowWindow)) << "maximised";
  ShowWindow(window, SW_RESTORE);
  test::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(shadowWindow)) << "restored";
  ExpectRect(WindowRect(shadowWindow), 196, 146, 524, 394);

  ShowWindow(window, SW_MINIMIZE);
  test::PumpMessages();
  EXPECT_FALSE(IsWindowVisible(shadowWindow)) << "minimised";
  ShowWindow(window, SW_RESTORE);
  test::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(shadowWindow)) << "restored";
  EXPECT_EQ(GetActiveWindow(), window) << "showing the shadow again must not take the activation";

  ShowWindow(window, SW_HIDE);
  test::PumpMessages();
  EXPECT_FALSE(IsWindowVisible(shadowWindow)) << "hidden";
}

TEST_F(ShadowTest, HiddenWindowGetsItsShadowWhenShown) {
  DestroyWindow(window);
  window = test::CreateTestWindow(100, 120, 300, 200, WS_POPUP);
  ASSERT_TRUE(SetWindowShadow(window, RGB(120, 120, 120), 4));
  HWND shadowWindow = ShadowOf(window);
  EXPECT_FALSE(IsWindowVisible(shadowWindow));
  ShowWindow(window, SW_SHOWNORMAL);
  test::PumpMessages();
  EXPECT_TRUE(IsWindowVisible(shadowWindow));
  ExpectRect(WindowRect(shadowWindow), 96, 116, 404, 324);
}

}  // namespace
}  // namespace tzl
