// What the program's windows need from the world outside them: the fixed
// files, the folders, how jobs and threads start, how addresses open, how
// the program ends. The program uses the real ones; tests hand in their
// own to capture addresses, keep files inside the test's folder and stop
// short of ending the test process.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "gui/address_opener.h"
#include "lookups/query_dispatch.h"
#include "text/text.h"

namespace tzl::app {

struct AppEnvironment {
  Text agreementMarkerPath = "C:\\tanzhiling.txt";
  Text closeDeletesPath = "C:\\探址灵.txt";
  // Without a closing backslash; the watched file is this, "/", "whois.txt".
  Text programDirectory;
  std::function<Text()> desktopDirectory;
  gui::AddressOpener openAddress;
  JobStarter startJob;
  // The short-lived thread a watched-file query dispatches on.
  std::function<void(std::function<void()>)> startThread;
  // Ends the program with exit code 0 (never returns in the program).
  std::function<void()> endProgram;
  // Shows the pop-up menu; returns the chosen item from 1, or 0.
  std::function<int(HWND owner, const std::vector<Text>& items, POINT pointer)> popUpMenu;
  // Called once the disclaimer shows (tests click its buttons from here).
  std::function<void(HWND disclaimer)> disclaimerShown;
  // The skin and the shadow of the main window.
  bool applyAppearance = true;
};

// The real program's environment.
AppEnvironment ProgramEnvironment();

}  // namespace tzl::app
