// Test windows and reading back what was drawn.
#pragma once

#include <windows.h>

#include <string>

namespace tzl::test {

// A plain top-level window of a class of the test's own, shown and painted.
HWND CreateTestWindow(int x, int y, int width, int height, DWORD style = WS_POPUP | WS_VISIBLE);
// Dispatches every pending message of the thread.
void PumpMessages();
// The pixel of a window's client area as drawn, as a COLORREF.
COLORREF WindowPixel(HWND window, int x, int y);
// Saves a rectangle of the screen as a PNG file (GDI+ must be started).
bool SaveScreenPng(const RECT& area, const std::wstring& path);

}  // namespace tzl::test
