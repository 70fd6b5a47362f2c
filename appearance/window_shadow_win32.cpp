#include "appearance/window_shadow.h"

// gdiplus.h needs the COM declarations that WIN32_LEAN_AND_MEAN leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>

#include "appearance/window_shadow_internal.h"

namespace tzl {

namespace shadow {

namespace {

namespace flat = Gdiplus::DllExports;

ULONG_PTR g_gdiplusToken = 0;

HWND ShadowOf(HWND owner) { return static_cast<HWND>(GetPropA(owner, kShadowProperty)); }

int SizeOf(HWND shadowWindow) {
  return static_cast<int>(reinterpret_cast<intptr_t>(GetPropA(shadowWindow, kSizeProperty)));
}

// A window whose procedure is Unicode keeps it: an ANSI subclass would make
// the system convert its text through the ANSI code page, so another
// program reading the title of a Chinese window on a non-Chinese system
// would get question marks.
LONG ReplaceProcedure(HWND window, LONG procedure) {
  return IsWindowUnicode(window) ? SetWindowLongW(window, GWL_WNDPROC, procedure)
                                 : SetWindowLongA(window, GWL_WNDPROC, procedure);
}

LONG CurrentProcedure(HWND window) {
  return IsWindowUnicode(window) ? GetWindowLongW(window, GWL_WNDPROC) : GetWindowLongA(window, GWL_WNDPROC);
}

HWND CreateShadowWindow(const char* className, HWND owner) {
  return CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT, className, "", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, owner,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

uintptr_t GdiplusToken() { return g_gdiplusToken; }

uint32_t ColorrefToArgb(COLORREF colour, uint32_t alpha) {
  return (alpha << 24) | (uint32_t{GetRValue(colour)} << 16) | (uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

HWND EnsureShadowWindow(HWND owner) {
  HWND existing = ShadowOf(owner);
  if (existing != nullptr && IsWindow(existing)) return existing;
  HWND created = CreateShadowWindow("SysShadow", owner);
  if (created == nullptr) created = CreateShadowWindow("Static", owner);
  SetPropA(owner, kShadowProperty, created);
  return created;
}

void UpdateShadowPlacement(HWND owner, std::optional<bool> visible) {
  HWND shadowWindow = ShadowOf(owner);
  if (shadowWindow == nullptr) return;
  const bool shown = visible.has_value() ? *visible : IsWindowVisible(owner) != FALSE;
  if (!shown || IsZoomed(owner) || IsIconic(owner)) {
    ShowWindow(shadowWindow, SW_HIDE);
    return;
  }
  // Shown without activation: the shadow must never take the keyboard
  // from the window it belongs to.
  if (!IsWindowVisible(shadowWindow)) ShowWindow(shadowWindow, SW_SHOWNA);
  RECT rect;
  GetWindowRect(owner, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  if (width == 0 || height == 0) return;
  const int s = SizeOf(shadowWindow);
  MoveWindow(shadowWindow, rect.left - s, rect.top - s, width + 2 * s, height + 2 * s, TRUE);
  PaintShadow(owner, width + 2 * s, height + 2 * s);
}

void PaintShadow(HWND owner, int width, int height) {
  HWND shadowWindow = ShadowOf(owner);
  if (shadowWindow == nullptr) return;
  if (width == 0 || height == 0) {
    RECT rect;
    GetWindowRect(shadowWindow, &rect);
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    if (width == 0 || height == 0) return;
  }
  HDC windowDc = GetDC(shadowWindow);
  HDC memoryDc = CreateCompatibleDC(windowDc);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bits != nullptr) std::memset(bits, 0, info.bmiHeader.biSizeImage);
  HGDIOBJ previous = SelectObject(memoryDc, bitmap);

  DrawShadowRings(shadowWindow, memoryDc, width, height);

  SIZE size = {width, height};
  POINT source = {0, 0};
  BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(shadowWindow, windowDc, nullptr, &size, memoryDc, &source, 0, &blend, ULW_ALPHA);

  SelectObject(memoryDc, previous);
  DeleteObject(bitmap);
  DeleteDC(memoryDc);
  ReleaseDC(shadowWindow, windowDc);
}

void DrawShadowRings(HWND shadowWindow, HDC dc, int width, int height) {
  const COLORREF colour =
      static_cast<COLORREF>(reinterpret_cast<uintptr_t>(GetPropA(shadowWindow, kColourProperty)));
  const int s = SizeOf(shadowWindow);
  // A window without a size property has no rings, and no step to divide by.
  if (s < 1) return;
  const int step = s <= 8 ? 100 / s : 150 / s;
  HRGN inner = CreateRectRgn(s, s, width - s, height - s);

  Gdiplus::GpGraphics* graphics = nullptr;
  flat::GdipCreateFromHDC(dc, &graphics);
  flat::GdipSetClipHrgn(graphics, inner, Gdiplus::CombineModeXor);
  flat::GdipSetSmoothingMode(graphics, Gdiplus::SmoothingModeAntiAlias);
  for (int i = 1; i <= s; ++i) {
    Gdiplus::GpPen* pen = nullptr;
    flat::GdipCreatePen1(ColorrefToArgb(colour, static_cast<uint32_t>(step * i)), 1.0f, Gdiplus::UnitPixel, &pen);
    flat::GdipDrawRectangle(graphics, pen, static_cast<float>(i - 1), static_cast<float>(i - 1),
                            static_cast<float>(width - 2 * i + 1), static_cast<float>(height - 2 * i + 1));
    flat::GdipDeletePen(pen);
  }
  flat::GdipResetClip(graphics);
  flat::GdipDeleteGraphics(graphics);
  DeleteObject(inner);
}

}  // namespace shadow

void StartGdiplus() {
  if (shadow::g_gdiplusToken != 0) return;
  Gdiplus::GdiplusStartupInput input;
  input.GdiplusVersion = 1;
  input.DebugEventCallback = nullptr;
  input.SuppressBackgroundThread = FALSE;
  input.SuppressExternalCodecs = FALSE;
  Gdiplus::GdiplusStartup(&shadow::g_gdiplusToken, &input, nullptr);
}

bool SetWindowShadow(HWND window, COLORREF colour, std::optional<int> size) {
  using namespace shadow;
  if (!IsWindow(window)) return false;
  if (size.has_value() && *size > kMaxShadowSize) return false;
  if (size.has_value() && *size < 1) {
    HWND shadowWindow = ShadowOf(window);
    if (shadowWindow != nullptr && IsWindow(shadowWindow)) {
      RemovePropA(shadowWindow, kColourProperty);
      RemovePropA(shadowWindow, kSizeProperty);
      DestroyWindow(shadowWindow);
    }
    RemovePropA(window, kShadowProperty);
    const LONG previous = reinterpret_cast<LONG>(GetPropA(window, kProcProperty));
    // Only a procedure that is still ours is put back: had another subclass
    // come after it, restoring would cut that one out, and ours must keep
    // passing messages on to the procedure it replaced.
    if (previous != 0 && CurrentProcedure(window) == reinterpret_cast<LONG>(&ShadowWindowProc)) {
      ReplaceProcedure(window, previous);
      RemovePropA(window, kProcProperty);
    }
    return false;
  }
  HWND shadowWindow = EnsureShadowWindow(window);
  SetPropA(shadowWindow, kColourProperty, reinterpret_cast<HANDLE>(static_cast<uintptr_t>(colour)));
  SetPropA(shadowWindow, kSizeProperty, reinterpret_cast<HANDLE>(static_cast<intptr_t>(size.value_or(5))));
  UpdateShadowPlacement(window);
  if (GetPropA(window, kProcProperty) == nullptr) {
    const LONG previous = ReplaceProcedure(window, reinterpret_cast<LONG>(&ShadowWindowProc));
    SetPropA(window, kProcProperty, reinterpret_cast<HANDLE>(previous));
  }
  return true;
}

LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(GetPropA(window, shadow::kProcProperty));
  const bool wide = IsWindowUnicode(window) != FALSE;
  LRESULT result;
  if (previous != nullptr) {
    result = wide ? CallWindowProcW(previous, window, message, wParam, lParam)
                  : CallWindowProcA(previous, window, message, wParam, lParam);
  } else {
    result = wide ? DefWindowProcW(window, message, wParam, lParam) : DefWindowProcA(window, message, wParam, lParam);
  }
  if (message == WM_MOVE || message == WM_SIZE) {
    shadow::UpdateShadowPlacement(window);
  } else if (message == WM_SHOWWINDOW) {
    shadow::UpdateShadowPlacement(window, wParam != 0);
  }
  return result;
}

}  // namespace tzl
