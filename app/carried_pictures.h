// The pictures the program carries as resources: its icon (128 x 128,
// 32-bit) and the animated title picture (47 x 47, 64 frames).
#pragma once

#include <windows.h>

#include <string>

namespace tzl::app {

constexpr int kProgramIconId = 1;
constexpr int kTitlePictureId = 2;

HICON ProgramIcon();
// The GIF bytes; empty when the executable carries none.
std::string TitlePictureBytes();

}  // namespace tzl::app
