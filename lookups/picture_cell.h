// Puts a fetched picture into a list's image list for one row's first cell.
#pragma once

#include "lookups/result_panel.h"

namespace tzl {

// Fetches the picture with the plain fetch and adds it to the list's image
// list; returns its index, or -1 (a blank cell) when it could not be
// fetched or decoded, so a row never shows another row's picture.
int FetchPictureIntoList(ResultPanel& panel, ResultList list, const Text& pictureAddress);

}  // namespace tzl
