#include "main_window_harness.h"

#include <atomic>

#include "app/file_access.h"
#include "gui/event_loop.h"
#include "gui/wide_text.h"

namespace tzl::test {

namespace {

Text MakeTestFolder() {
  static std::atomic<int> counter{0};
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  Text folder = gui::Narrow(temp) + "tzl-desktop-" + std::to_string(GetCurrentProcessId()) + "-" +
                std::to_string(counter++) + "\\";
  CreateDirectoryW(gui::Wide(folder).c_str(), nullptr);
  return folder;
}

void RemoveFolder(const Text& folder) {
  WIN32_FIND_DATAW found;
  std::wstring pattern = gui::Wide(folder) + L"*";
  HANDLE search = FindFirstFileW(pattern.c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = gui::Wide(folder) + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(gui::Narrow(path) + "\\");
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(gui::Wide(folder).c_str());
}

}  // namespace

MainWindowHarness::MainWindowHarness(bool agreed, bool watchedFileAtStart,
                                     std::function<void(MainWindowHarness&, HWND)> onDisclaimer)
    : onDisclaimer_(std::move(onDisclaimer)) {
  folder = MakeTestFolder();
  markerPath = folder + "tanzhiling.txt";
  closeDeletesPath = folder + "探址灵.txt";
  desktop = folder + "桌面\\";
  programDirectory = folder + "program";
  CreateDirectoryW(gui::Wide(desktop).c_str(), nullptr);
  CreateDirectoryW(gui::Wide(programDirectory).c_str(), nullptr);
  if (agreed) WriteBytes(markerPath, "agreed earlier");
  if (watchedFileAtStart) WriteBytes(programDirectory + "/whois.txt", "");

  app::AppEnvironment environment;
  environment.agreementMarkerPath = markerPath;
  environment.closeDeletesPath = closeDeletesPath;
  environment.programDirectory = programDirectory;
  environment.desktopDirectory = [this] { return desktop; };
  environment.openAddress = [this](const Text& address) { opened.push_back(address); };
  environment.startJob = [this](std::function<void()>) { ++jobs; };
  environment.startThread = [this](std::function<void()> routine) { threads.push_back(std::move(routine)); };
  environment.endProgram = [this] { ++programEnds; };
  environment.popUpMenu = [this](HWND, const std::vector<Text>& items, POINT) {
    menusShown.push_back(items);
    return menuChoice;
  };
  environment.disclaimerShown = [this](HWND dialog) {
    if (onDisclaimer_) onDisclaimer_(*this, dialog);
  };
  environment.applyAppearance = false;
  window_ = std::make_unique<app::MainWindow>(std::move(environment));
  window_->Create();
  gui::ProcessPendingEvents();
}

MainWindowHarness::~MainWindowHarness() {
  window_.reset();
  gui::ProcessPendingEvents();
  RemoveFolder(folder);
}

void MainWindowHarness::SetQueryBox(const Text& text) { gui::SetWindowTextOf(Control("编辑框1"), text); }
Text MainWindowHarness::QueryBox() { return gui::WindowTextOf(Control("编辑框1")); }

void MainWindowHarness::PressKey(int virtualKey) {
  SendMessageW(Control("编辑框1"), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
}

void MainWindowHarness::Click(const char* name) { SendMessageW(Control(name), BM_CLICK, 0, 0); }

void MainWindowHarness::PressLeft(const char* name) {
  SendMessageW(Control(name), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
}

void MainWindowHarness::PressRight(HWND target) { SendMessageW(target, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2)); }

RECT MainWindowHarness::PlaceOf(const char* name) {
  HWND control = Control(name);
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

SIZE MainWindowHarness::WindowSize() {
  RECT window;
  GetWindowRect(Handle(), &window);
  return SIZE{window.right - window.left, window.bottom - window.top};
}

size_t MainWindowHarness::TakeJobs() {
  size_t count = jobs;
  jobs = 0;
  return count;
}

void MainWindowHarness::RunRecordedThreads() {
  std::vector<std::function<void()>> run;
  run.swap(threads);
  for (auto& routine : run) routine();
}

std::string ReadBytes(const Text& path) { return app::ReadWholeFile(path); }
void WriteBytes(const Text& path, const std::string& bytes) { app::WriteWholeFile(path, bytes); }
bool Exists(const Text& path) { return app::FileExists(path); }

}  // namespace tzl::test
