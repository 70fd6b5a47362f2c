#include "app/main_window.h"

#include "app/appearance_steps.h"
#include "app/disclaimer_window.h"
#include "app/file_access.h"
#include "app/main_window_form.h"
#include "app/profile_file.h"
#include "app/report_file.h"
#include "app/search_pages.h"
#include "gui/picture.h"
#include "gui/gdiplus_headers.h"
#include "gui/picture_box.h"
#include "gui/wide_text.h"
#include "lookups/query_dispatch.h"
#include "lookups/shared_values.h"

namespace tzl::app {

using gui::ControlEvent;

MainWindow::MainWindow(AppEnvironment environment) : environment_(std::move(environment)) {}

MainWindow::~MainWindow() { form_.Destroy(); }

bool MainWindow::Create(HICON icon, const std::string& titlePicture) {
  if (!form_.Create(MainWindowFormDesign(icon), MainWindowControls())) return false;
  HWND titleStrip = form_.Control("图片框1");
  gui::SetPictureBoxColours(titleStrip, RGB(66, 112, 196), RGB(38, 76, 150), RGB(255, 255, 255));
  // The 47 x 47 picture played at the strip's height, at its left end.
  if (auto picture = gui::DecodePicture(titlePicture)) {
    gui::SetPictureBoxAnimation(titleStrip, std::move(picture), RECT{4, 1, 34, 31});
  }
  ConnectHandlers();
  form_.AddTimer(kWatchTimerId, kWatchPeriodMs, [this] { CheckWatchedFile(); });
  form_.Show();
  OnMainWindowCreated();
  return true;
}

void MainWindow::ConnectHandlers() {
  form_.OnMessage(WM_RBUTTONDOWN, [this](WPARAM, LPARAM, LRESULT& result) {
    PopUpMenu();
    result = 0;
    return true;
  });
  form_.OnMessage(WM_SIZE, [this](WPARAM, LPARAM, LRESULT&) {
    RECT window;
    GetWindowRect(form_.Handle(), &window);
    HWND details = form_.Control("超级列表框2");
    RECT list;
    GetWindowRect(details, &list);
    SetWindowPos(details, nullptr, 0, 0, list.right - list.left, window.bottom - window.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return false;
  });
  // The program's close: the run time's end with the exit routine.
  form_.OnMessage(WM_CLOSE, [this](WPARAM, LPARAM, LRESULT& result) {
    environment_.endProgram();
    result = 0;
    return true;
  });
  form_.On("图片框1", ControlEvent::RightPress, [this](LPARAM) { PopUpMenu(); });
  form_.On("按钮3", ControlEvent::Click, [this](LPARAM) { CloseProgram(); });
  form_.On("按钮1", ControlEvent::Click, [this](LPARAM) { ShowDetails(*this, environment_.startJob); });
  form_.On("按钮2", ControlEvent::Click, [this](LPARAM) { SetWindowWidth(kCollapsedWidth); });
  form_.On("编辑框1", ControlEvent::KeyDown, [this](LPARAM key) {
    SubmitQuery(*this, static_cast<int>(key), environment_.startJob);
  });
  form_.On("编辑框1", ControlEvent::RightPress, [this](LPARAM) {
    Open("http://" + QueryText());
    Open("https://" + QueryText());
  });
  form_.On("注册商网址", ControlEvent::Click, [this](LPARAM) {
    Open(RemoveAll(LabelText(ResultLabel::RegistrarUrl), "注册商网址："));
  });
  form_.On("搜狗收录", ControlEvent::Click, [this](LPARAM) { Open(SogouIndexPage(QueryText())); });
  form_.On("百度收录", ControlEvent::Click, [this](LPARAM) { Open(BaiduIndexPage(QueryText())); });
  form_.On("搜狗反链", ControlEvent::Click, [this](LPARAM) { Open(SogouBacklinkPage(QueryText())); });
  form_.On("百度反链", ControlEvent::Click, [this](LPARAM) { Open(BaiduBacklinkPage(QueryText())); });
  form_.On("终端", ControlEvent::Click, [this](LPARAM) { Open(CompanySearchAddress().Get()); });
}

void MainWindow::Open(const Text& address) const {
  if (environment_.openAddress) environment_.openAddress(address);
}

void MainWindow::PopUpMenu() {
  POINT pointer;
  GetCursorPos(&pointer);
  static const std::vector<Text> kItems = {"保存此次查询到桌面", "更新与反馈", "关于本软件"};
  SetForegroundWindow(form_.Handle());
  int chosen = environment_.popUpMenu ? environment_.popUpMenu(form_.Handle(), kItems, pointer) : 0;
  switch (chosen) {
    case 1:
      SaveQuery();
      break;
    case 2:
      Open(kFeedbackPage);
      break;
    case 3:
      ShowAbout();
      break;
    default:
      break;
  }
}

void MainWindow::ShowDisclaimer() {
  disclaimerOpen_ = true;
  DisclaimerWindow::ShowModal(form_, environment_);
  disclaimerOpen_ = false;
}

void MainWindow::OnMainWindowCreated() {
  if (!FileExists(environment_.agreementMarkerPath)) ShowDisclaimer();
  if (!form_.IsOpen()) return;
  if (environment_.applyAppearance) {
    ApplyMainWindowAppearance(form_.Handle());
  }
  bool watching = FileExists(WatchedFile::PathIn(environment_.programDirectory));
  form_.SetTimerPeriod(kWatchTimerId, watching ? kWatchPeriodMs : 0);
  ClearResultPanel(*this);
}

void MainWindow::ShowAbout() {
  form_.SetTopmost(false);
  ShowDisclaimer();
}

void MainWindow::CloseProgram() {
  DeleteFileIfPresent(environment_.closeDeletesPath);
  environment_.endProgram();
}

void MainWindow::SaveQuery() {
  Text desktop = environment_.desktopDirectory ? environment_.desktopDirectory() : Text();
  Text path = ReportFilePath(desktop, QueryText());
  // A query text that names no file in the desktop folder is not saved.
  if (path.empty()) return;
  WriteProfileKey(path, "域名", "域名", QueryText());
  desktop = environment_.desktopDirectory ? environment_.desktopDirectory() : Text();
  path = ReportFilePath(desktop, QueryText());
  if (path.empty()) return;
  WriteProfileKey(path, "域名", "域名含义", LastMeaning().Get());
}

void MainWindow::CheckWatchedFile() {
  // Nothing is looked up before the terms are accepted.
  if (disclaimerOpen_) return;
  Text content;
  if (!watchedFile_.TakeChange(WatchedFile::PathIn(environment_.programDirectory), &content)) return;
  SetQueryText(content);
  if (environment_.startThread) environment_.startThread([this] { DispatchLookups(*this, environment_.startJob); });
}

}  // namespace tzl::app
