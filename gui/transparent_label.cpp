#include "gui/transparent_label.h"

#include <string>

#include "gui/background_painting.h"
#include "gui/control_events.h"
#include "gui/window_class.h"

namespace tzl::gui {

const wchar_t kTransparentLabelClass[] = L"TzlTransparentLabel";

namespace {

const wchar_t kFontProperty[] = L"TzlLabelFont";
const wchar_t kColourProperty[] = L"TzlLabelColour";
constexpr COLORREF kDefaultTextColour = RGB(40, 44, 52);

COLORREF TextColour(HWND label) {
  HANDLE stored = GetPropW(label, kColourProperty);
  // Stored with one added so that black is not taken for "no colour".
  return stored ? static_cast<COLORREF>(reinterpret_cast<UINT_PTR>(stored) - 1) : kDefaultTextColour;
}

void Paint(HWND label) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(label, &paint);
  RECT client;
  GetClientRect(label, &client);
  // Drawn off screen first: a label rewritten by a job many times a second
  // must not flicker between background and text.
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right > 0 ? client.right : 1,
                                          client.bottom > 0 ? client.bottom : 1);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  PaintParentBackground(label, memory);

  int length = GetWindowTextLengthW(label);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(label, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);

  HFONT font = static_cast<HFONT>(GetPropW(label, kFontProperty));
  HGDIOBJ oldFont = SelectObject(memory, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(memory, TRANSPARENT);
  SetTextColor(memory, TextColour(label));
  RECT textArea = client;
  TEXTMETRICW metrics{};
  GetTextMetricsW(memory, &metrics);
  UINT format = DT_LEFT | DT_TOP | DT_NOPREFIX;
  if (client.bottom < 2 * metrics.tmHeight) {
    // A label one line high shows a text of several lines on that line, so
    // that what follows a line break (a countdown after a date) stays in
    // sight; the window text itself keeps its line breaks.
    std::wstring oneLine;
    for (size_t i = 0; i < text.size(); ++i) {
      if (text[i] == L'\r' || text[i] == L'\n') {
        if (!oneLine.empty() && oneLine.back() != L' ') oneLine += L' ';
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        while (i + 1 < text.size() && text[i + 1] == L' ') ++i;
        continue;
      }
      oneLine += text[i];
    }
    text.swap(oneLine);
    format |= DT_SINGLELINE | DT_END_ELLIPSIS;
  } else {
    format |= DT_WORDBREAK | DT_EDITCONTROL;
  }
  DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &textArea, format);
  SelectObject(memory, oldFont);

  BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(label, &paint);
}

LRESULT CALLBACK LabelProcedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(label);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_SETFONT:
      SetPropW(label, kFontProperty, reinterpret_cast<HANDLE>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(GetPropW(label, kFontProperty));
    case WM_LBUTTONDOWN:
      NotifyParent(label, ControlEvent::Click);
      return 0;
    case WM_RBUTTONDOWN:
      NotifyParent(label, ControlEvent::RightPress);
      return 0;
    case WM_NCDESTROY:
      RemovePropW(label, kFontProperty);
      RemovePropW(label, kColourProperty);
      break;
    default:
      break;
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

void RegisterTransparentLabelClass() {
  RegisterWindowClass(kTransparentLabelClass, LabelProcedure);
}

void SetLabelTextColour(HWND label, COLORREF colour) {
  SetPropW(label, kColourProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(colour) + 1));
  InvalidateRect(label, nullptr, FALSE);
}

}  // namespace tzl::gui
