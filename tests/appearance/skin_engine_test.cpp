// Our skin engine, mapped from memory by InMemoryLibrary and handed the
// carried skin: what it receives and how the windows then look.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "appearance/call_address.h"
#include "appearance/skin_attachment.h"
#include "appearance/window_shadow_internal.h"
#include "embedded/SkinData.h"
#include "skin/skin_format.h"
#include "tests/appearance/window_capture.h"

namespace tzl {
namespace {

using skin::SkinColour;

skin::Colour SkinColourOf(SkinColour key) {
  skin::SkinPalette palette;
  skin::ParseSkin(SkinData, sizeof SkinData, palette);
  return palette.Get(key);
}

// Turning the hue by 120 degrees moves red to green, green to blue and blue
// to red.
COLORREF TurnedByAThird(COLORREF colour) { return RGB(GetBValue(colour), GetRValue(colour), GetGValue(colour)); }

struct Form {
  HWND window, button, edit, list, header;
};

Form CreateForm(int x, int y) {
  Form form = {};
  form.window = test::CreateTestWindow(x, y, 360, 260);
  HINSTANCE instance = GetModuleHandleW(nullptr);
  form.button = CreateWindowW(L"BUTTON", L"查询", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 20, 20, 120, 40, form.window,
                              nullptr, instance, nullptr);
  form.edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"example.com", WS_CHILD | WS_VISIBLE, 160, 25, 170, 30,
                              form.window, nullptr, instance, nullptr);
  form.list = CreateWindowW(WC_LISTVIEWW, L"", WS_CHILD | WS_VISIBLE | LVS_REPORT, 20, 80, 310, 150, form.window,
                            nullptr, instance, nullptr);
  LVCOLUMNW column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH;
  column.cx = 150;
  column.pszText = const_cast<wchar_t*>(L"域名");
  SendMessageW(form.list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
  column.pszText = const_cast<wchar_t*>(L"价格");
  SendMessageW(form.list, LVM_INSERTCOLUMNW, 1, reinterpret_cast<LPARAM>(&column));
  form.header = reinterpret_cast<HWND>(SendMessageA(form.list, LVM_GETHEADER, 0, 0));
  test::PumpMessages();
  return form;
}

void Repaint(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  test::PumpMessages();
}

class SkinEngineTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CreateEngineObject();
    LoadSkinEngine();
  }
  void TearDown() override { DestroyWindow(form.window); }
  Form form = {};
};

TEST_F(SkinEngineTest, WithoutShadowOnlyTheSkinIsHandedOverWithItsSizeAndNoPassword) {
  ASSERT_NE(EngineObject().BaseAddress(), 0u);
  form = CreateForm(100, 100);
  EXPECT_EQ(ApplyWindowAppearance(form.window), 1u);
  EXPECT_EQ(shadow::GdiplusToken(), 0u) << "GDI+ is started only for a shadow";
  EXPECT_EQ(GetPropA(form.window, shadow::kShadowProperty), nullptr);

  uint32_t size = 0;
  const char* password = "not called";
  CallAddress(EngineObject().FindExport("SkinH_AttachInfo"), static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&size)),
              static_cast<uint32_t>(reinterpret_cast<uintptr_t>(&password)));
  EXPECT_EQ(size, sizeof SkinData);
  EXPECT_EQ(password, nullptr);
}

TEST_F(SkinEngineTest, WindowsAreDrawnInTheSkinsColours) {
  form = CreateForm(100, 100);
  ApplyWindowAppearance(form.window);
  Repaint(form.window);
  EXPECT_EQ(test::WindowPixel(form.button, 5, 5), SkinColourOf(SkinColour::kButtonFace));
  EXPECT_EQ(test::WindowPixel(form.button, 0, 20), SkinColourOf(SkinColour::kButtonFrame));
  EXPECT_EQ(test::WindowPixel(form.window, 10, 70), SkinColourOf(SkinColour::kWindowBackground));
  EXPECT_EQ(test::WindowPixel(form.window, 0, 100), SkinColourOf(SkinColour::kWindowFrame));
  EXPECT_EQ(test::WindowPixel(form.edit, 160, 3), SkinColourOf(SkinColour::kEditBackground));
  EXPECT_EQ(test::WindowPixel(form.header, 3, 3), SkinColourOf(SkinColour::kHeaderFace));

  // A button made after the attach is skinned too.
  HWND later = CreateWindowW(L"BUTTON", L"更多", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 200, 200, 80, 30, form.window,
                             nullptr, GetModuleHandleW(nullptr), nullptr);
  Repaint(form.window);
  EXPECT_EQ(test::WindowPixel(later, 5, 5), SkinColourOf(SkinColour::kButtonFace));
}

TEST_F(SkinEngineTest, HueArgumentShiftsTheButtonFace) {
  form = CreateForm(100, 100);
  ApplyWindowAppearance(form.window, 120);
  Repaint(form.window);
  EXPECT_EQ(test::WindowPixel(form.button, 5, 5), TurnedByAThird(SkinColourOf(SkinColour::kButtonFace)));
  ApplyWindowAppearance(form.window);
  Repaint(form.window);
  EXPECT_EQ(test::WindowPixel(form.button, 5, 5), SkinColourOf(SkinColour::kButtonFace));
}

TEST_F(SkinEngineTest, ShadowDefaultsToGreySizeFourAndComesBeforeTheSkin) {
  form = CreateForm(100, 100);
  EXPECT_EQ(ApplyWindowAppearance(form.window, 0, 0, 0, true), 1u);
  EXPECT_NE(shadow::GdiplusToken(), 0u);
  HWND shadowWindow = static_cast<HWND>(GetPropA(form.window, shadow::kShadowProperty));
  ASSERT_TRUE(IsWindow(shadowWindow));
  EXPECT_EQ(reinterpret_cast<intptr_t>(GetPropA(shadowWindow, shadow::kSizeProperty)), 4);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(GetPropA(shadowWindow, shadow::kColourProperty)), RGB(120, 120, 120));
  RECT rect;
  GetWindowRect(shadowWindow, &rect);
  EXPECT_EQ(rect.right - rect.left, 368);
  EXPECT_EQ(rect.bottom - rect.top, 268);
}

TEST_F(SkinEngineTest, ScreenshotOfASkinnedAndShadowedWindow) {
  // A white backdrop, so the shadow shows as it would over a desktop.
  HWND backdrop = test::CreateTestWindow(0, 0, 480, 380);
  SetClassLongPtrA(backdrop, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(GetStockObject(WHITE_BRUSH)));
  form = CreateForm(60, 60);
  SendMessageA(form.list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.pszText = const_cast<char*>("example.com");
  SendMessageA(form.list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  ApplyWindowAppearance(form.window, 0, 0, 0, true);
  Repaint(form.window);
  const RECT area = {40, 40, 60 + 360 + 20, 60 + 260 + 20};
  const wchar_t* path = L"appearance_skinned_window.png";
  ASSERT_TRUE(test::SaveScreenPng(area, path));
  EXPECT_NE(GetFileAttributesW(path), INVALID_FILE_ATTRIBUTES);
  DestroyWindow(backdrop);
}

TEST_F(SkinEngineTest, WithoutTheEngineNothingIsCalledAndTheResultIsZero) {
  form = CreateForm(100, 100);
  const Address base = EngineObject().BaseAddress();
  ReleaseEngineObject();
  MEMORY_BASIC_INFORMATION info = {};
  VirtualQuery(reinterpret_cast<void*>(uintptr_t{base}), &info, sizeof info);
  EXPECT_EQ(info.State, static_cast<DWORD>(MEM_COMMIT)) << "releasing the object leaves the image mapped";
  CreateEngineObject();
  EXPECT_EQ(EngineObject().BaseAddress(), 0u);
  EXPECT_EQ(ApplyWindowAppearance(form.window), 0u);
}

}  // namespace
}  // namespace tzl
