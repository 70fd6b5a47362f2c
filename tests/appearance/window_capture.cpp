#include "tests/appearance/window_capture.h"

#include <objidl.h>
#include <gdiplus.h>

namespace tzl::test {

namespace {

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

const char* TestWindowClass() {
  static const char* name = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = &TestWindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "TzlAppearanceTestWindow";
    RegisterClassA(&windowClass);
    return "TzlAppearanceTestWindow";
  }();
  return name;
}

}  // namespace

HWND CreateTestWindow(int x, int y, int width, int height, DWORD style) {
  HWND window = CreateWindowExA(0, TestWindowClass(), "test", style, x, y, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  PumpMessages();
  return window;
}

void PumpMessages() {
  for (int round = 0; round < 3; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(30);
  }
}

COLORREF WindowPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

bool SaveScreenPng(const RECT& area, const std::wstring& path) {
  namespace flat = Gdiplus::DllExports;
  const int width = area.right - area.left, height = area.bottom - area.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
  SelectObject(memory, previous);

  // The PNG encoder of GDI+.
  const CLSID png = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  Gdiplus::GpBitmap* image = nullptr;
  bool saved = flat::GdipCreateBitmapFromHBITMAP(bitmap, nullptr, &image) == Gdiplus::Ok &&
               flat::GdipSaveImageToFile(image, path.c_str(), &png, nullptr) == Gdiplus::Ok;
  if (image != nullptr) flat::GdipDisposeImage(image);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return saved;
}

}  // namespace tzl::test
