#include "skin/engine/window_skinning.h"

#include <commctrl.h>

#include <cstring>
#include <map>

#include "skin/engine/skin_painter.h"
#include "skin/engine/skin_state.h"

namespace tzl::skin {

namespace {

enum class Kind { kContainer, kPushButton, kEdit, kHeader, kListView, kOther };

struct SkinnedWindow {
  WNDPROC original = nullptr;
  bool unicode = false;
  Kind kind = Kind::kOther;
};

std::map<HWND, SkinnedWindow>& Skinned() {
  static std::map<HWND, SkinnedWindow> windows;
  return windows;
}

HHOOK g_hook = nullptr;

bool ClassIs(const char* className, const char* name) { return lstrcmpiA(className, name) == 0; }

bool IsPushButton(HWND window) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG type = style & BS_TYPEMASK;
  return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) && (style & (BS_BITMAP | BS_ICON)) == 0;
}

// Windows that draw something the skin must not paint over: layered
// windows (drop shadows among them), menus, tooltips and input-method
// windows.
bool LeftAlone(const char* className, LONG exStyle) {
  if ((exStyle & WS_EX_LAYERED) != 0) return true;
  static const char* const kClasses[] = {"#32768", "tooltips_class32", "IME", "MSCTFIME UI", "SysShadow"};
  for (const char* name : kClasses) {
    if (ClassIs(className, name)) return true;
  }
  return false;
}

Kind KindOf(HWND window, const char* className) {
  if (ClassIs(className, "Button")) return IsPushButton(window) ? Kind::kPushButton : Kind::kOther;
  if (ClassIs(className, "Edit")) return Kind::kEdit;
  if (ClassIs(className, WC_HEADERA)) return Kind::kHeader;
  if (ClassIs(className, WC_LISTVIEWA)) return Kind::kListView;
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  if ((style & WS_CHILD) == 0 || ClassIs(className, "#32770")) return Kind::kContainer;
  return Kind::kOther;
}

LRESULT CallOriginal(HWND window, const SkinnedWindow& skinned, UINT message, WPARAM wParam, LPARAM lParam) {
  return skinned.unicode ? CallWindowProcW(skinned.original, window, message, wParam, lParam)
                         : CallWindowProcA(skinned.original, window, message, wParam, lParam);
}

void ColourListView(HWND listView) {
  SendMessageA(listView, LVM_SETBKCOLOR, 0, SkinColourRef(SkinColour::kListBackground));
  SendMessageA(listView, LVM_SETTEXTBKCOLOR, 0, SkinColourRef(SkinColour::kListBackground));
  SendMessageA(listView, LVM_SETTEXTCOLOR, 0, SkinColourRef(SkinColour::kListText));
}

// The system's answer to WM_CTLCOLOR* is one of its own brushes; only then
// does the skin answer instead, so that colours the program chose stay.
bool IsSystemBrush(LRESULT brush) {
  if (brush == 0) return true;
  static const int kColours[] = {COLOR_WINDOW, COLOR_BTNFACE, COLOR_3DFACE};
  for (int colour : kColours) {
    if (brush == reinterpret_cast<LRESULT>(GetSysColorBrush(colour))) return true;
  }
  return false;
}

LRESULT AnswerControlColour(UINT message, HDC dc) {
  const SkinState& skin = CurrentSkin();
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX) {
    SetTextColor(dc, skin.palette.Get(SkinColour::kEditText));
    SetBkColor(dc, skin.palette.Get(SkinColour::kEditBackground));
    return reinterpret_cast<LRESULT>(skin.editBrush);
  }
  SetTextColor(dc, skin.palette.Get(SkinColour::kWindowText));
  SetBkColor(dc, skin.palette.Get(SkinColour::kWindowBackground));
  return reinterpret_cast<LRESULT>(skin.windowBrush);
}

// Messages after which a push button or a header has drawn itself in the
// system's look; other windows are never asked for an extra paint.
bool RedrawsItself(Kind kind, UINT message) {
  if (kind != Kind::kPushButton && kind != Kind::kHeader) return false;
  switch (message) {
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ENABLE: case WM_SETTEXT: case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: case WM_MOUSEMOVE: case WM_MOUSELEAVE: case WM_CAPTURECHANGED:
    case WM_KEYDOWN: case WM_KEYUP: case WM_UPDATEUISTATE: case WM_STYLECHANGED:
      return true;
    case BM_SETSTATE: case BM_SETSTYLE: case BM_SETCHECK:
      return kind == Kind::kPushButton;
    // Only the header messages that change items; the painter's own
    // questions (HDM_GETITEM…) must not ask for another paint.
    case HDM_INSERTITEMA: case HDM_INSERTITEMW: case HDM_DELETEITEM: case HDM_SETITEMA: case HDM_SETITEMW:
    case HDM_SETORDERARRAY: case HDM_LAYOUT:
      return kind == Kind::kHeader;
    default:
      return false;
  }
}

LRESULT PaintControl(HWND window, Kind kind, UINT message, WPARAM wParam) {
  if (message == WM_PRINTCLIENT) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    kind == Kind::kPushButton ? PaintPushButton(window, dc) : PaintHeader(window, dc);
    return 0;
  }
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  kind == Kind::kPushButton ? PaintPushButton(window, dc) : PaintHeader(window, dc);
  EndPaint(window, &paint);
  return 0;
}

LRESULT CALLBACK SkinWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto found = Skinned().find(window);
  if (found == Skinned().end()) return DefWindowProcA(window, message, wParam, lParam);
  const SkinnedWindow skinned = found->second;
  const Kind kind = skinned.kind;

  if (kind == Kind::kPushButton || kind == Kind::kHeader) {
    if (message == WM_PAINT || message == WM_PRINTCLIENT) return PaintControl(window, kind, message, wParam);
    if (message == WM_ERASEBKGND) return 1;
  }
  if (kind == Kind::kContainer && message == WM_ERASEBKGND) {
    RECT client;
    GetClientRect(window, &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, CurrentSkin().windowBrush);
    return 1;
  }

  const LRESULT result = CallOriginal(window, skinned, message, wParam, lParam);
  switch (message) {
    case WM_NCDESTROY:
      Skinned().erase(window);
      return result;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: case WM_CTLCOLORBTN: case WM_CTLCOLORDLG:
    case WM_CTLCOLORLISTBOX:
      return IsSystemBrush(result) ? AnswerControlColour(message, reinterpret_cast<HDC>(wParam)) : result;
    case WM_CREATE:
      if (kind == Kind::kListView) ColourListView(window);
      return result;
    case WM_PAINT: case WM_NCPAINT: case WM_NCACTIVATE:
      if (kind == Kind::kContainer) PaintWindowFrame(window, SkinColourRef(SkinColour::kWindowFrame));
      if (kind == Kind::kEdit && message == WM_NCPAINT &&
          ((GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0 ||
           (GetWindowLongA(window, GWL_STYLE) & WS_BORDER) != 0)) {
        PaintWindowFrame(window, SkinColourRef(SkinColour::kEditFrame));
      }
      return result;
    default:
      if (RedrawsItself(kind, message)) InvalidateRect(window, nullptr, FALSE);
      return result;
  }
}

void SkinWindow(HWND window, const char* className, LONG exStyle, bool created) {
  if (Skinned().count(window) != 0 || LeftAlone(className, exStyle)) return;
  SkinnedWindow skinned;
  skinned.unicode = IsWindowUnicode(window) != FALSE;
  skinned.kind = KindOf(window, className);
  Skinned()[window] = skinned;
  const LONG_PTR proc = reinterpret_cast<LONG_PTR>(&SkinWindowProc);
  const LONG_PTR original = skinned.unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                                            : SetWindowLongPtrA(window, GWLP_WNDPROC, proc);
  if (original == 0) {
    Skinned().erase(window);
    return;
  }
  Skinned()[window].original = reinterpret_cast<WNDPROC>(original);
  if (created && skinned.kind == Kind::kListView) ColourListView(window);
}

void SkinExisting(HWND window) {
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  SkinWindow(window, className, GetWindowLongA(window, GWL_EXSTYLE), true);
}

BOOL CALLBACK SkinChild(HWND window, LPARAM) {
  SkinExisting(window);
  return TRUE;
}

BOOL CALLBACK SkinTopLevel(HWND window, LPARAM) {
  SkinExisting(window);
  EnumChildWindows(window, &SkinChild, 0);
  return TRUE;
}

BOOL CALLBACK RedrawTopLevel(HWND window, LPARAM) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return TRUE;
}

LRESULT CALLBACK CbtHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    HWND window = reinterpret_cast<HWND>(wParam);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    SkinWindow(window, className, create->lpcs->dwExStyle, false);
  }
  return CallNextHookEx(g_hook, code, wParam, lParam);
}

}  // namespace

void SkinThreadWindows() {
  if (g_hook == nullptr) g_hook = SetWindowsHookExA(WH_CBT, &CbtHook, nullptr, GetCurrentThreadId());
  EnumThreadWindows(GetCurrentThreadId(), &SkinTopLevel, 0);
}

void RedrawThreadWindows() { EnumThreadWindows(GetCurrentThreadId(), &RedrawTopLevel, 0); }

void UnskinThreadWindows() {
  if (g_hook != nullptr) UnhookWindowsHookEx(g_hook);
  g_hook = nullptr;
  for (const auto& [window, skinned] : Skinned()) {
    if (!IsWindow(window)) continue;
    const LONG_PTR original = reinterpret_cast<LONG_PTR>(skinned.original);
    skinned.unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, original)
                    : SetWindowLongPtrA(window, GWLP_WNDPROC, original);
  }
  Skinned().clear();
}

}  // namespace tzl::skin
