#include "app/appearance_steps.h"

#include "appearance/skin_attachment.h"

namespace tzl::app {

void CreateAppearanceEngine() { CreateEngineObject(); }
void LoadAppearanceEngine() { LoadSkinEngine(); }
// The engine's answer does not change what the program does.
void ApplyMainWindowAppearance(HWND mainWindow) { ApplyWindowAppearance(mainWindow, 0, 0, 0, true); }
void ReleaseAppearanceEngine() { ReleaseEngineObject(); }

}  // namespace tzl::app
