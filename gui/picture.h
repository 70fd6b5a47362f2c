// Picture bytes (PNG, GIF, JPEG, BMP) decoded with GDI+.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

namespace Gdiplus {
class Image;
}

namespace tzl::gui {

struct StretchedPicture {
  HBITMAP bitmap = nullptr;  // 24-bit DIB of the requested size; owned by the caller
  COLORREF topLeft = 0;      // the colour of the picture's top-left pixel
};

// Decodes the bytes and draws them stretched to width x height. No bitmap
// when the bytes are no picture or the size is not positive.
StretchedPicture DecodeStretched(const std::string& bytes, int width, int height);

// A decoded picture kept for drawing (the animated title picture); null
// when the bytes are no picture.
std::unique_ptr<Gdiplus::Image> DecodePicture(const std::string& bytes);

}  // namespace tzl::gui
