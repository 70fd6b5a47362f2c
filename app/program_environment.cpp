#include "app/app_environment.h"
#include "app/known_folders.h"
#include "gui/popup_menu.h"
#include "gui/program_end.h"
#include "gui/thread_starter.h"

namespace tzl::app {

AppEnvironment ProgramEnvironment() {
  AppEnvironment environment;
  environment.programDirectory = ProgramDirectory();
  environment.desktopDirectory = [] { return DesktopDirectory(); };
  environment.openAddress = gui::SystemAddressOpener();
  environment.startJob = DetachedThreadStarter();
  environment.startThread = [](std::function<void()> routine) { gui::StartThread(std::move(routine)); };
  environment.endProgram = [] { gui::EndProgram(0); };
  environment.popUpMenu = gui::ShowPopupMenu;
  return environment;
}

}  // namespace tzl::app
