// A form: a borderless top-level window built from a FormDesign and a table
// of named controls, each a real child window at its design position. The
// form routes its controls' events and its own messages to handlers, runs
// work on its GUI thread for other threads, and owns its timers.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gui/control_events.h"
#include "gui/control_design.h"

namespace tzl::gui {

// Controls get ids from here on, in the order of their form's table.
constexpr int kFirstControlId = 100;

class Form {
 public:
  using EventHandler = std::function<void(LPARAM data)>;
  // Returns true when it handled the message; `result` is then returned.
  using MessageHandler = std::function<bool(WPARAM, LPARAM, LRESULT& result)>;

  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  ~Form();

  // Creates the window (hidden) and its controls. `owner` makes the form an
  // owned window (no task-bar button of its own).
  bool Create(const FormDesign& design, const std::vector<ControlDesign>& controls, HWND owner = nullptr);
  void Show();
  void Destroy();
  bool IsOpen() const { return window_ != nullptr; }

  HWND Handle() const { return window_; }
  HWND Control(const char* name) const;
  int ControlId(const char* name) const;

  void On(const char* controlName, ControlEvent event, EventHandler handler);
  void OnMessage(UINT message, MessageHandler handler);

  // Timers of the form: period 0 stops one; a positive period (re)arms it.
  void AddTimer(UINT_PTR id, UINT periodMs, std::function<void()> handler);
  void SetTimerPeriod(UINT_PTR id, UINT periodMs);
  UINT TimerPeriod(UINT_PTR id) const;

  void SetTopmost(bool topmost);
  bool IsTopmost() const;

  // Runs `work` on the form's thread and returns when it is done. From the
  // form's own thread it runs at once. See the comment in form.cpp on why
  // this cannot deadlock.
  void RunOnGuiThread(const std::function<void()>& work) const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControl(const ControlDesign& design, int id);
  void DispatchControlEvent(int id, ControlEvent event, LPARAM data);
  void StartDrag();

  HWND window_ = nullptr;
  DWORD thread_ = 0;
  FormDesign design_{};
  HBRUSH background_ = nullptr;
  std::map<std::string, HWND> controls_;
  std::map<int, std::string> namesById_;
  std::map<std::pair<std::string, ControlEvent>, EventHandler> eventHandlers_;
  std::map<UINT, MessageHandler> messageHandlers_;
  struct Timer {
    UINT periodMs;
    std::function<void()> handler;
  };
  std::map<UINT_PTR, Timer> timers_;
};

}  // namespace tzl::gui
