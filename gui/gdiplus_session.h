// GDI+ started once for the process (before any picture is decoded) and
// left running until the process ends.
#pragma once

namespace tzl::gui {

void StartGdiplusOnce();

}  // namespace tzl::gui
