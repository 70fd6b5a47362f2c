// DisclaimerWindow: the terms the user accepts on the first start and sees
// again from the menu. Agreeing writes the marker and puts the main window
// on top again; disagreeing deletes the marker and ends the program.
#pragma once

#include <windows.h>

#include "app/app_environment.h"
#include "gui/form.h"

namespace tzl::app {

class DisclaimerWindow {
 public:
  // Creates the window over `mainWindow`, shows it modally and returns
  // once it is closed.
  static void ShowModal(gui::Form& mainWindow, const AppEnvironment& environment);

 private:
  DisclaimerWindow(gui::Form& mainWindow, const AppEnvironment& environment)
      : mainWindow_(mainWindow), environment_(environment) {}
  bool Create();
  void OnDisclaimerCreated();
  void OnAgree();
  void OnDisagree();

  gui::Form& mainWindow_;
  const AppEnvironment& environment_;
  gui::Form form_;
};

}  // namespace tzl::app
