// The design of the main window: its form properties and its table of
// named controls, each at its design place and size.
#pragma once

#include <vector>

#include "gui/control_design.h"

namespace tzl::app {

gui::FormDesign MainWindowFormDesign(HICON icon);
const std::vector<gui::ControlDesign>& MainWindowControls();

// The control id the form gives a control of the table (the same in every
// run: the table's order decides it), so other programs can find it.
int MainWindowControlId(const char* name);

// The watched-file timer 时钟1 and its period at creation.
constexpr UINT_PTR kWatchTimerId = 1;
constexpr UINT kWatchPeriodMs = 500;

}  // namespace tzl::app
