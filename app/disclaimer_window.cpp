#include "app/disclaimer_window.h"

#include "app/disclaimer_text.h"
#include "app/file_access.h"
#include "gui/modal.h"
#include "gui/wide_text.h"

namespace tzl::app {

namespace {

using gui::ControlKind;
using gui::ControlDesign;

std::vector<ControlDesign> DisclaimerControls() {
  ControlDesign text = gui::MakeControl(ControlKind::TransparentLabel, "透明标签1");
  text.text = kDisclaimerText;
  text.left = 14;
  text.top = 8;
  text.width = 408;
  text.height = 152;
  text.font = gui::FontDesign{"阿里巴巴普惠体", 18};
  ControlDesign disagree = gui::MakeControl(ControlKind::Button, "按钮2");
  disagree.text = "不同意";
  disagree.left = 232;
  disagree.top = 200;
  disagree.width = 80;
  disagree.height = 32;
  disagree.font = gui::FontDesign{nullptr, 15};
  ControlDesign agree = disagree;
  agree.name = "按钮1";
  agree.text = "同意";
  agree.left = 328;
  return {text, disagree, agree};
}

gui::FormDesign DisclaimerFormDesign() {
  gui::FormDesign design;
  design.className = "TzlDisclaimerWindow";
  design.title = "探址灵";
  design.width = 429;
  design.height = 250;
  design.topmost = true;
  design.taskbarButton = false;
  design.centreOnScreen = false;
  design.dragByFreeArea = true;
  design.outline = true;
  design.background = RGB(250, 251, 253);
  return design;
}

}  // namespace

void DisclaimerWindow::ShowModal(gui::Form& mainWindow, const AppEnvironment& environment) {
  DisclaimerWindow window(mainWindow, environment);
  if (!window.Create()) return;
  if (environment.disclaimerShown) environment.disclaimerShown(window.form_.Handle());
  gui::RunModal(window.form_, mainWindow.Handle());
}

bool DisclaimerWindow::Create() {
  if (!form_.Create(DisclaimerFormDesign(), DisclaimerControls(), mainWindow_.Handle())) return false;
  form_.On("按钮1", gui::ControlEvent::Click, [this](LPARAM) { OnAgree(); });
  form_.On("按钮2", gui::ControlEvent::Click, [this](LPARAM) { OnDisagree(); });
  // No caption and no close box: only the two buttons decide, so a close
  // by any other means (Alt+F4) is ignored.
  form_.OnMessage(WM_CLOSE, [](WPARAM, LPARAM, LRESULT& result) {
    result = 0;
    return true;
  });
  OnDisclaimerCreated();
  return true;
}

void DisclaimerWindow::OnDisclaimerCreated() {
  RECT main, dialog;
  GetWindowRect(mainWindow_.Handle(), &main);
  GetWindowRect(form_.Handle(), &dialog);
  int mainWidth = main.right - main.left, mainHeight = main.bottom - main.top;
  int dialogWidth = dialog.right - dialog.left, dialogHeight = dialog.bottom - dialog.top;
  int top = main.top + static_cast<int>((mainHeight - dialogHeight) / 2.0);
  int left = main.left + static_cast<int>((mainWidth - dialogWidth) / 2.0);
  SetWindowPos(form_.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DisclaimerWindow::OnAgree() {
  // A marker that cannot be written is not reported: the disclaimer simply
  // comes again at the next start.
  WriteWholeFile(environment_.agreementMarkerPath, gui::WindowTextOf(form_.Control("透明标签1")));
  // The dialog goes first: Wine drops the owner's topmost state again when
  // a topmost window it owns is destroyed after it.
  form_.Destroy();
  mainWindow_.SetTopmost(true);
}

void DisclaimerWindow::OnDisagree() {
  DeleteFileIfPresent(environment_.agreementMarkerPath);
  environment_.endProgram();
  // Reached only where ending the program returns (tests).
  form_.Destroy();
}

}  // namespace tzl::app
