#include "skin/engine/skin_painter.h"

#include <commctrl.h>

#include <cwchar>

#include "skin/engine/skin_state.h"

namespace tzl::skin {

namespace {

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

void FrameSolid(HDC dc, const RECT& rect, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

COLORREF Mix(COLORREF a, COLORREF b) {
  return RGB((GetRValue(a) + GetRValue(b)) / 2, (GetGValue(a) + GetGValue(b)) / 2, (GetBValue(a) + GetBValue(b)) / 2);
}

// Text drawn with the control's own font, transparent over the face.
void DrawLabel(HWND control, HDC dc, const wchar_t* text, RECT rect, COLORREF colour, UINT format) {
  HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colour);
  if (wcschr(text, L'\n') != nullptr) {
    // A caption written over several lines (a narrow button with one letter
    // a line) keeps its lines, centred as a block.
    RECT measured = rect;
    DrawTextW(dc, text, -1, &measured, format | DT_NOPREFIX | DT_CALCRECT);
    const int spare = (rect.bottom - rect.top) - (measured.bottom - measured.top);
    if (spare > 0) rect.top += spare / 2;
    DrawTextW(dc, text, -1, &rect, format | DT_NOPREFIX);
  } else {
    DrawTextW(dc, text, -1, &rect, format | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  }
  if (oldFont != nullptr) SelectObject(dc, oldFont);
}

}  // namespace

void PaintPushButton(HWND button, HDC dc) {
  RECT rect;
  GetClientRect(button, &rect);
  const LRESULT state = SendMessageA(button, BM_GETSTATE, 0, 0);
  const bool pushed = (state & BST_PUSHED) != 0;
  const bool enabled = IsWindowEnabled(button) != FALSE;
  const COLORREF face = SkinColourRef(pushed ? SkinColour::kButtonPressedFace : SkinColour::kButtonFace);
  FillSolid(dc, rect, face);
  FrameSolid(dc, rect, SkinColourRef(SkinColour::kButtonFrame));
  if (GetFocus() == button) {
    RECT inner = rect;
    InflateRect(&inner, -1, -1);
    FrameSolid(dc, inner, SkinColourRef(SkinColour::kButtonFrame));
  }
  // Wide: the text is the window's own, whatever the system's code page.
  wchar_t text[256] = {};
  GetWindowTextW(button, text, 256);
  const COLORREF textColour = SkinColourRef(SkinColour::kButtonText);
  if (pushed) OffsetRect(&rect, 1, 1);
  DrawLabel(button, dc, text, rect, enabled ? textColour : Mix(textColour, face), DT_CENTER);
}

void PaintHeader(HWND header, HDC dc) {
  RECT client;
  GetClientRect(header, &client);
  FillSolid(dc, client, SkinColourRef(SkinColour::kHeaderFace));
  const COLORREF divider = SkinColourRef(SkinColour::kHeaderDivider);
  RECT bottom = client;
  bottom.top = bottom.bottom - 1;
  FillSolid(dc, bottom, divider);

  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    RECT item;
    if (SendMessageA(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item)) == 0) continue;
    wchar_t text[256] = {};
    HDITEMW info = {};
    info.mask = HDI_TEXT | HDI_FORMAT;
    info.pszText = text;
    info.cchTextMax = 256;
    SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&info));
    RECT line = item;
    line.left = line.right - 1;
    line.top += 3;
    line.bottom -= 3;
    FillSolid(dc, line, divider);
    UINT align = DT_LEFT;
    if ((info.fmt & HDF_JUSTIFYMASK) == HDF_CENTER) align = DT_CENTER;
    if ((info.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT) align = DT_RIGHT;
    InflateRect(&item, -6, 0);
    DrawLabel(header, dc, text, item, SkinColourRef(SkinColour::kHeaderText), align);
  }
}

void PaintWindowFrame(HWND window, COLORREF colour) {
  HDC dc = GetWindowDC(window);
  if (dc == nullptr) return;
  RECT rect;
  GetWindowRect(window, &rect);
  OffsetRect(&rect, -rect.left, -rect.top);
  FrameSolid(dc, rect, colour);
  ReleaseDC(window, dc);
}

}  // namespace tzl::skin
