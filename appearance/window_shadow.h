// A soft drop shadow around a top-level window: a layered, click-through
// pop-up owned by the window, painted with GDI+ as rings whose opacity
// grows towards the window's edge, kept in place by a subclass of the
// window's procedure. All state lives in window properties.
#pragma once

#include <windows.h>

#include <optional>

namespace tzl {

// Starts GDI+ once per process; it is never shut down.
void StartGdiplus();

// Attaches or updates the shadow (size absent: 5) and returns true; a size
// below 1 removes it and returns false, as does a handle that is not a
// window. Sizes above kMaxShadowSize are refused (false, nothing changes).
bool SetWindowShadow(HWND window, COLORREF colour, std::optional<int> size = std::nullopt);
constexpr int kMaxShadowSize = 255;

LRESULT CALLBACK ShadowWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tzl
