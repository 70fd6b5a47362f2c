// The picture box: a strip with a background of its own (a vertical
// gradient), optionally an animated picture played frame by frame, and its
// window text drawn beside the picture. It forwards the commands of the
// controls it holds (a button inside it) to its form.
#pragma once

#include <windows.h>

#include <memory>

namespace Gdiplus {
class Image;
}

namespace tzl::gui {

extern const wchar_t kPictureBoxClass[];

void RegisterPictureBoxClass();

void SetPictureBoxColours(HWND box, COLORREF top, COLORREF bottom, COLORREF text);

// Shows the picture (all its frames, each for its own delay) in `place`,
// in the box's client coordinates. The box owns the picture from here on.
void SetPictureBoxAnimation(HWND box, std::unique_ptr<Gdiplus::Image> picture, RECT place);

// The frame shown now (0 without an animation), for tests and screenshots.
unsigned PictureBoxFrame(HWND box);
unsigned PictureBoxFrameCount(HWND box);

}  // namespace tzl::gui
