// The appearance steps at their moments of the start-up: the engine
// object before the main window, the skin engine mapped, the skin and the
// shadow once the main window exists, the engine object released at exit.
#pragma once

#include <windows.h>

namespace tzl::app {

void CreateAppearanceEngine();
void LoadAppearanceEngine();
void ApplyMainWindowAppearance(HWND mainWindow);
void ReleaseAppearanceEngine();

}  // namespace tzl::app
