// For a build without the appearance layer: the window keeps its own look.
#include "app/appearance_steps.h"

namespace tzl::app {

void CreateAppearanceEngine() {}
void LoadAppearanceEngine() {}
void ApplyMainWindowAppearance(HWND) {}
void ReleaseAppearanceEngine() {}

}  // namespace tzl::app
