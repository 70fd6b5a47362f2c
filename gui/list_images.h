// Image lists of the list views: pictures stretched to the list's image
// size, the top-left pixel's colour shown transparent.
#pragma once

#include <windows.h>

#include "gui/picture.h"

namespace tzl::gui {

// Gives the list a new, empty image list for its rows' first cells and
// destroys the one it replaces.
void ResetListImages(HWND list, int width, int height);

// The size of the list's images; false when it has no image list.
bool ListImageSize(HWND list, int* width, int* height);

// Adds the picture (taking its bitmap) with its top-left colour as the
// transparent colour; the new image's index, or -1.
int AddListImage(HWND list, StretchedPicture picture);

}  // namespace tzl::gui
