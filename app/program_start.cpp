#include "app/program_start.h"

#include <windows.h>

#include <objbase.h>

#include <atomic>

#include "app/appearance_steps.h"
#include "app/carried_pictures.h"
#include "app/main_window.h"
#include "gui/event_loop.h"
#include "gui/gdiplus_session.h"
#include "gui/program_end.h"
#include "lookups/shared_values.h"
#include "whois/whois_gateway.h"

namespace tzl::app {

namespace {

std::atomic<MainWindow*> runningWindow{nullptr};

// The registration lookup asks our own gateway on loopback; a second
// instance of the program finds it taken and uses the first one's.
void StartRegistrationGateway() { StartWhoisGateway(); }

}  // namespace

void ReleaseGlobals() {
  LastMeaning().Set(Text());
  CompanySearchAddress().Set(Text());
  ReleaseAppearanceEngine();
  if (MainWindow* window = runningWindow.load()) window->watchedFile().Forget();
}

int RunProgram() {
  // The run time: COM for the GUI thread, GDI+ for the pictures.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  gui::StartGdiplusOnce();
  CreateAppearanceEngine();
  gui::SetExitRoutine(ReleaseGlobals);
  LoadAppearanceEngine();
  StartRegistrationGateway();

  static MainWindow window(ProgramEnvironment());
  runningWindow = &window;
  if (!window.Create(ProgramIcon(), TitlePictureBytes())) gui::EndProgram(0);
  gui::RunMessageLoop();
  gui::EndProgram(0);
}

}  // namespace tzl::app
