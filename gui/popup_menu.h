// A pop-up menu shown at a point and destroyed when it closes.
#pragma once

#include <windows.h>

#include <vector>

#include "text/text.h"

namespace tzl::gui {

// Brings `owner` to the foreground and shows the items with the menu's
// right edge 5 pixels left of `pointer` and its top 5 pixels above it.
// Returns the chosen item's index from 1, or 0 when none was chosen.
int ShowPopupMenu(HWND owner, const std::vector<Text>& items, POINT pointer);

}  // namespace tzl::gui
