#include "gui/form.h"

#include <commctrl.h>

#include "gui/fonts.h"
#include "gui/list_view.h"
#include "gui/picture_box.h"
#include "gui/transparent_label.h"
#include "gui/wide_text.h"
#include "gui/window_class.h"

namespace tzl::gui {

namespace {

// lParam: a const std::function<void()>* owned by the sending thread,
// which waits inside SendMessage until the work is done.
constexpr UINT kRunOnGuiThread = WM_APP + 41;

LRESULT CALLBACK EditBoxSubclass(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_KEYDOWN:
      NotifyParent(edit, ControlEvent::KeyDown, static_cast<LPARAM>(wParam));
      break;
    case WM_CHAR:
      // A single-line box has nothing to do with Enter but beep.
      if (wParam == L'\r') return 0;
      break;
    case WM_RBUTTONDOWN:
      NotifyParent(edit, ControlEvent::RightPress);
      return 0;
    case WM_CONTEXTMENU:
      // The right button belongs to the box's own action.
      return 0;
    default:
      break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

}  // namespace

Form::~Form() { Destroy(); }

bool Form::Create(const FormDesign& design, const std::vector<ControlDesign>& controls, HWND owner) {
  if (window_) return false;
  static bool commonControlsReady = [] {
    INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&init);
    RegisterTransparentLabelClass();
    RegisterPictureBoxClass();
    return true;
  }();
  (void)commonControlsReady;

  design_ = design;
  std::wstring className = Wide(design.className);
  RegisterWindowClass(className.c_str(), &Form::Procedure);
  background_ = CreateSolidBrush(design.background);

  int left = 0, top = 0;
  if (design.centreOnScreen) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    left = work.left + (work.right - work.left - design.width) / 2;
    top = work.top + (work.bottom - work.top - design.height) / 2;
  }
  DWORD exStyle = design.taskbarButton ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  if (design.topmost) exStyle |= WS_EX_TOPMOST;
  // WS_SYSMENU and WS_MINIMIZEBOX give the task-bar button its usual
  // behaviour; with WS_POPUP and no WS_CAPTION nothing of a frame shows.
  DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_SYSMENU | WS_MINIMIZEBOX;
  window_ = CreateWindowExW(exStyle, className.c_str(), Wide(design.title).c_str(), style, left, top, design.width,
                            design.height, owner, nullptr, GetModuleHandleW(nullptr), this);
  if (!window_) return false;
  thread_ = GetCurrentThreadId();
  if (design.icon) {
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(design.icon));
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(design.icon));
  }
  int id = kFirstControlId;
  for (const ControlDesign& control : controls) CreateControl(control, id++);
  return true;
}

void Form::CreateControl(const ControlDesign& design, int id) {
  HWND parent = window_;
  if (design.parent) {
    HWND holder = Control(design.parent);
    if (holder) parent = holder;
  }
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (design.visible ? WS_VISIBLE : 0);
  DWORD exStyle = 0;
  const wchar_t* windowClass = kTransparentLabelClass;
  switch (design.kind) {
    case ControlKind::EditBox:
      windowClass = L"EDIT";
      style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
      exStyle |= WS_EX_CLIENTEDGE;
      break;
    case ControlKind::Button:
      windowClass = L"BUTTON";
      style |= WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER;
      if (design.text.find("\r\n") != Text::npos) style |= BS_MULTILINE;
      break;
    case ControlKind::TransparentLabel:
      windowClass = kTransparentLabelClass;
      break;
    case ControlKind::PictureBox:
      windowClass = kPictureBoxClass;
      style |= WS_CLIPCHILDREN;
      break;
    case ControlKind::ListView:
      windowClass = WC_LISTVIEWW;
      style |= LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_SHOWSELALWAYS;
      break;
    case ControlKind::Canvas:
      windowClass = kPictureBoxClass;
      // A drawing surface only: it never shows, whatever the table says.
      style &= ~WS_VISIBLE;
      break;
  }
  HWND control = CreateWindowExW(exStyle, windowClass, Wide(design.text).c_str(), style, design.left, design.top,
                                 design.width, design.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
  if (!control) return;
  controls_[design.name] = control;
  namesById_[id] = design.name;
  HFONT font = FontFor(design.font);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font ? font : GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  if (design.kind == ControlKind::EditBox) SetWindowSubclass(control, EditBoxSubclass, 1, 0);
  if (design.kind == ControlKind::ListView) {
    SendMessageW(control, LVM_SETEXTENDEDLISTVIEWSTYLE, 0,
                 LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_DOUBLEBUFFER);
    AddListColumns(control, design.columns);
    for (const std::vector<Text>& cells : design.rows) {
      int row = AppendListRow(control);
      for (size_t column = 0; column < cells.size(); ++column) {
        SetListCellText(control, row, static_cast<int>(column), cells[column]);
      }
    }
  }
  // Buttons stay above the lists and labels they overlap.
  if (design.kind == ControlKind::Button) SetWindowPos(control, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void Form::Show() {
  if (!window_) return;
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void Form::Destroy() {
  if (!window_) return;
  HWND window = window_;
  for (auto& timer : timers_) KillTimer(window, timer.first);
  DestroyWindow(window);
  window_ = nullptr;
  // A modal loop waiting for this window to close may sit in GetMessage,
  // which carries out sent messages without returning: wake it.
  if (thread_) PostThreadMessageW(thread_, WM_NULL, 0, 0);
  if (background_) DeleteObject(background_);
  background_ = nullptr;
  controls_.clear();
  namesById_.clear();
}

HWND Form::Control(const char* name) const {
  auto found = controls_.find(name);
  return found == controls_.end() ? nullptr : found->second;
}

int Form::ControlId(const char* name) const {
  HWND control = Control(name);
  return control ? GetDlgCtrlID(control) : 0;
}

void Form::On(const char* controlName, ControlEvent event, EventHandler handler) {
  eventHandlers_[{controlName, event}] = std::move(handler);
}

void Form::OnMessage(UINT message, MessageHandler handler) { messageHandlers_[message] = std::move(handler); }

void Form::AddTimer(UINT_PTR id, UINT periodMs, std::function<void()> handler) {
  timers_[id] = Timer{0, std::move(handler)};
  SetTimerPeriod(id, periodMs);
}

void Form::SetTimerPeriod(UINT_PTR id, UINT periodMs) {
  auto found = timers_.find(id);
  if (found == timers_.end() || !window_) return;
  found->second.periodMs = periodMs;
  if (periodMs == 0) {
    KillTimer(window_, id);
  } else {
    SetTimer(window_, id, periodMs, nullptr);
  }
}

UINT Form::TimerPeriod(UINT_PTR id) const {
  auto found = timers_.find(id);
  return found == timers_.end() ? 0 : found->second.periodMs;
}

void Form::SetTopmost(bool topmost) {
  if (window_) {
    SetWindowPos(window_, topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

bool Form::IsTopmost() const {
  return window_ && (GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

// Worker threads reach the controls only through this synchronous hand-off.
// It cannot deadlock: the GUI thread never waits for a job (no join, no
// lock a job could hold), and every loop it runs - the message loop, the
// modal loop of the disclaimer, the menu's and the window move's own loops,
// even a GUI-thread SendMessage - delivers sent messages, so the worker
// waits at most for the handler that is running now. Once the window is
// gone SendMessage fails at once and the work is dropped, which is what a
// job writing into a closed program should get.
void Form::RunOnGuiThread(const std::function<void()>& work) const {
  if (!window_) return;
  if (GetCurrentThreadId() == thread_) {
    work();
    return;
  }
  SendMessageW(window_, kRunOnGuiThread, 0, reinterpret_cast<LPARAM>(&work));
}

void Form::StartDrag() {
  if (!design_.dragByFreeArea) return;
  ReleaseCapture();
  SendMessageW(window_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void Form::DispatchControlEvent(int id, ControlEvent event, LPARAM data) {
  auto name = namesById_.find(id);
  if (name != namesById_.end()) {
    auto handler = eventHandlers_.find({name->second, event});
    if (handler != eventHandlers_.end()) {
      // A copy: the handler may replace itself or close the form.
      EventHandler run = handler->second;
      run(data);
      return;
    }
  }
  // A press on a control that does nothing with it counts as free area.
  if (event == ControlEvent::Click) {
    StartDrag();
  } else if (event == ControlEvent::RightPress) {
    auto handler = messageHandlers_.find(WM_RBUTTONDOWN);
    if (handler != messageHandlers_.end()) {
      LRESULT ignored = 0;
      MessageHandler run = handler->second;
      run(0, 0, ignored);
    }
  }
}

LRESULT CALLBACK Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!form) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    if (form->window_ == window) form->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  if (!form->window_) form->window_ = window;
  return form->Handle(message, wParam, lParam);
}

LRESULT Form::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  auto custom = messageHandlers_.find(message);
  if (custom != messageHandlers_.end()) {
    LRESULT result = 0;
    MessageHandler run = custom->second;
    if (run(wParam, lParam, result)) return result;
  }
  switch (message) {
    case kRunOnGuiThread:
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 0;
    case kControlEvent:
      DispatchControlEvent(LOWORD(wParam), static_cast<ControlEvent>(HIWORD(wParam)), lParam);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        DispatchControlEvent(LOWORD(wParam), ControlEvent::Click, 0);
        return 0;
      }
      break;
    case WM_TIMER: {
      auto timer = timers_.find(wParam);
      if (timer != timers_.end()) {
        std::function<void()> run = timer->second.handler;
        if (run) run();
      }
      return 0;
    }
    case WM_LBUTTONDOWN:
      StartDrag();
      return 0;
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window_, &client);
      HDC target = reinterpret_cast<HDC>(wParam);
      FillRect(target, &client, background_);
      if (design_.outline) {
        HBRUSH line = CreateSolidBrush(design_.outlineColour);
        FrameRect(target, &client, line);
        DeleteObject(line);
      }
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace tzl::gui
