// Drawing of the skinned parts: push-button faces, list-view headers and
// the one-pixel frames of windows and edit boxes.
#pragma once

#include <windows.h>

namespace tzl::skin {

void PaintPushButton(HWND button, HDC dc);
void PaintHeader(HWND header, HDC dc);
// A frame over the outermost pixel ring of the whole window.
void PaintWindowFrame(HWND window, COLORREF colour);

}  // namespace tzl::skin
