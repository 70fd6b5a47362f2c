// The steps of the drop shadow, apart so that tests can run them one by one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace tzl::shadow {

inline constexpr char kShadowProperty[] = "Nimbus.WndShadow";
inline constexpr char kProcProperty[] = "Nimbus.WndShadow.Proc";
inline constexpr char kColourProperty[] = "Nimbus.WndShadow.Color";
inline constexpr char kSizeProperty[] = "Nimbus.WndShadow.Size";

uintptr_t GdiplusToken();
HWND EnsureShadowWindow(HWND owner);
void UpdateShadowPlacement(HWND owner, std::optional<bool> visible = std::nullopt);
void PaintShadow(HWND owner, int width, int height);
void DrawShadowRings(HWND shadow, HDC dc, int width, int height);
uint32_t ColorrefToArgb(COLORREF colour, uint32_t alpha);

}  // namespace tzl::shadow
