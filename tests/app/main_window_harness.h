// A real MainWindow in the test process, with an environment that keeps
// every file inside a folder of the test's own, records the jobs, threads,
// addresses and program ends instead of running them, and answers the
// pop-up menu with a chosen item.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "text/text.h"

namespace tzl::test {

class MainWindowHarness {
 public:
  // `agreed`: the agreement marker exists before the window is created.
  explicit MainWindowHarness(bool agreed = true, bool watchedFileAtStart = false,
                             std::function<void(MainWindowHarness&, HWND)> onDisclaimer = nullptr);
  ~MainWindowHarness();

  app::MainWindow& window() { return *window_; }
  HWND Control(const char* name) { return window_->form().Control(name); }
  HWND Handle() { return window_->Handle(); }

  void SetQueryBox(const Text& text);
  Text QueryBox();
  void PressKey(int virtualKey);
  void Click(const char* name);        // BM_CLICK on a button
  void PressLeft(const char* name);    // WM_LBUTTONDOWN on a label
  void PressRight(HWND window);        // WM_RBUTTONDOWN
  RECT PlaceOf(const char* name);      // in its parent's client coordinates
  SIZE WindowSize();

  // Runs the recorded jobs' count since the last call down to zero.
  size_t TakeJobs();
  // Runs the watched-file dispatch threads recorded so far, here.
  void RunRecordedThreads();

  Text folder;       // the test's own folder, with a closing backslash
  Text markerPath;   // stands in for C:\tanzhiling.txt
  Text closeDeletesPath;
  Text desktop;      // with a closing backslash
  Text programDirectory;

  std::vector<Text> opened;
  std::vector<std::vector<Text>> menusShown;
  int menuChoice = 0;
  int programEnds = 0;
  size_t jobs = 0;
  std::vector<std::function<void()>> threads;

 private:
  std::unique_ptr<app::MainWindow> window_;
  std::function<void(MainWindowHarness&, HWND)> onDisclaimer_;
};

// Helpers on the test's folder.
std::string ReadBytes(const Text& path);
void WriteBytes(const Text& path, const std::string& bytes);
bool Exists(const Text& path);

}  // namespace tzl::test
