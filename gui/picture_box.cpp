#include "gui/picture_box.h"

#include "gui/gdiplus_headers.h"

#include <string>
#include <vector>

#include "gui/control_events.h"
#include "gui/window_class.h"

namespace tzl::gui {

const wchar_t kPictureBoxClass[] = L"TzlPictureBox";

namespace {

constexpr UINT_PTR kFrameTimer = 1;

struct PictureBoxState {
  COLORREF top = RGB(70, 110, 190);
  COLORREF bottom = RGB(40, 78, 150);
  COLORREF text = RGB(255, 255, 255);
  std::unique_ptr<Gdiplus::Image> picture;
  RECT place{};
  GUID frameDimension{};
  unsigned frameCount = 0;
  unsigned frame = 0;
  std::vector<UINT> delaysMs;
};

PictureBoxState* StateOf(HWND box) {
  return reinterpret_cast<PictureBoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

void PaintGradient(HWND box, HDC target, const PictureBoxState& state) {
  RECT client;
  GetClientRect(box, &client);
  TRIVERTEX corners[2] = {};
  corners[0].x = 0;
  corners[0].y = 0;
  corners[0].Red = static_cast<COLOR16>(GetRValue(state.top) << 8);
  corners[0].Green = static_cast<COLOR16>(GetGValue(state.top) << 8);
  corners[0].Blue = static_cast<COLOR16>(GetBValue(state.top) << 8);
  corners[1].x = client.right;
  corners[1].y = client.bottom;
  corners[1].Red = static_cast<COLOR16>(GetRValue(state.bottom) << 8);
  corners[1].Green = static_cast<COLOR16>(GetGValue(state.bottom) << 8);
  corners[1].Blue = static_cast<COLOR16>(GetBValue(state.bottom) << 8);
  GRADIENT_RECT span{0, 1};
  GradientFill(target, corners, 2, &span, 1, GRADIENT_FILL_RECT_V);
}

void Paint(HWND box, PictureBoxState& state) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(box, &paint);
  RECT client;
  GetClientRect(box, &client);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right > 0 ? client.right : 1,
                                          client.bottom > 0 ? client.bottom : 1);
  HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
  PaintGradient(box, memory, state);
  int textLeft = 8;
  if (state.picture) {
    Gdiplus::Graphics graphics(memory);
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(state.picture.get(), Gdiplus::Rect(state.place.left, state.place.top,
                                                          state.place.right - state.place.left,
                                                          state.place.bottom - state.place.top));
    textLeft = state.place.right + 6;
  }
  int length = GetWindowTextLengthW(box);
  if (length > 0) {
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = GetWindowTextW(box, text.data(), length + 1);
    HGDIOBJ oldFont = SelectObject(memory, reinterpret_cast<HFONT>(GetPropW(box, L"TzlBoxFont")));
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, state.text);
    RECT area{textLeft, 0, client.right, client.bottom};
    DrawTextW(memory, text.c_str(), copied, &area, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(memory, oldFont);
  }
  BitBlt(screen, 0, 0, client.right, client.bottom, memory, 0, 0, SRCCOPY);
  SelectObject(memory, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(memory);
  EndPaint(box, &paint);
}

void ArmFrameTimer(HWND box, const PictureBoxState& state) {
  if (state.frameCount < 2) return;
  UINT delay = state.frame < state.delaysMs.size() ? state.delaysMs[state.frame] : 100;
  SetTimer(box, kFrameTimer, delay < 20 ? 20 : delay, nullptr);
}

void NextFrame(HWND box, PictureBoxState& state) {
  if (!state.picture || state.frameCount < 2) return;
  state.frame = (state.frame + 1) % state.frameCount;
  state.picture->SelectActiveFrame(&state.frameDimension, state.frame);
  InvalidateRect(box, &state.place, FALSE);
  ArmFrameTimer(box, state);
}

LRESULT CALLBACK PictureBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  PictureBoxState* state = StateOf(box);
  switch (message) {
    case WM_NCCREATE:
      SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new PictureBoxState));
      break;
    case WM_NCDESTROY:
      KillTimer(box, kFrameTimer);
      delete state;
      SetWindowLongPtrW(box, GWLP_USERDATA, 0);
      RemovePropW(box, L"TzlBoxFont");
      break;
    case WM_ERASEBKGND:
      if (state) PaintGradient(box, reinterpret_cast<HDC>(wParam), *state);
      return 1;
    case WM_PAINT:
      if (state) {
        Paint(box, *state);
        return 0;
      }
      break;
    case WM_SETFONT:
      SetPropW(box, L"TzlBoxFont", reinterpret_cast<HANDLE>(wParam));
      return 0;
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcW(box, message, wParam, lParam);
      InvalidateRect(box, nullptr, FALSE);
      return result;
    }
    case WM_TIMER:
      if (wParam == kFrameTimer && state) NextFrame(box, *state);
      return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
      return SendMessageW(GetParent(box), message, wParam, lParam);
    case WM_LBUTTONDOWN:
      NotifyParent(box, ControlEvent::Click);
      return 0;
    case WM_RBUTTONDOWN:
      NotifyParent(box, ControlEvent::RightPress);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

void RegisterPictureBoxClass() {
  RegisterWindowClass(kPictureBoxClass, PictureBoxProcedure);
}

void SetPictureBoxColours(HWND box, COLORREF top, COLORREF bottom, COLORREF text) {
  PictureBoxState* state = StateOf(box);
  if (!state) return;
  state->top = top;
  state->bottom = bottom;
  state->text = text;
  InvalidateRect(box, nullptr, TRUE);
}

void SetPictureBoxAnimation(HWND box, std::unique_ptr<Gdiplus::Image> picture, RECT place) {
  PictureBoxState* state = StateOf(box);
  if (!state) return;
  KillTimer(box, kFrameTimer);
  state->picture = std::move(picture);
  state->place = place;
  state->frame = 0;
  state->frameCount = 0;
  state->delaysMs.clear();
  if (state->picture) {
    UINT dimensions = state->picture->GetFrameDimensionsCount();
    if (dimensions > 0) {
      std::vector<GUID> ids(dimensions);
      state->picture->GetFrameDimensionsList(ids.data(), dimensions);
      state->frameDimension = ids[0];
      state->frameCount = state->picture->GetFrameCount(&state->frameDimension);
    }
    UINT size = state->picture->GetPropertyItemSize(PropertyTagFrameDelay);
    if (size > 0) {
      std::vector<BYTE> buffer(size);
      auto* item = reinterpret_cast<Gdiplus::PropertyItem*>(buffer.data());
      if (state->picture->GetPropertyItem(PropertyTagFrameDelay, size, item) == Gdiplus::Ok) {
        const UINT* delays = static_cast<const UINT*>(item->value);
        for (ULONG i = 0; i < item->length / sizeof(UINT); ++i) state->delaysMs.push_back(delays[i] * 10);
      }
    }
    ArmFrameTimer(box, *state);
  }
  InvalidateRect(box, nullptr, FALSE);
}

unsigned PictureBoxFrame(HWND box) {
  PictureBoxState* state = StateOf(box);
  return state ? state->frame : 0;
}

unsigned PictureBoxFrameCount(HWND box) {
  PictureBoxState* state = StateOf(box);
  return state ? state->frameCount : 0;
}

}  // namespace tzl::gui
