#include "gui/picture.h"

#include <shlwapi.h>

#include "gui/gdiplus_headers.h"

#include "gui/gdiplus_session.h"

namespace tzl::gui {

std::unique_ptr<Gdiplus::Image> DecodePicture(const std::string& bytes) {
  if (bytes.empty()) return nullptr;
  StartGdiplusOnce();
  IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()), static_cast<UINT>(bytes.size()));
  if (!stream) return nullptr;
  // The image keeps reading frames from the stream; it holds its own reference.
  std::unique_ptr<Gdiplus::Image> image(Gdiplus::Image::FromStream(stream));
  stream->Release();
  if (!image || image->GetLastStatus() != Gdiplus::Ok || image->GetWidth() == 0 || image->GetHeight() == 0) {
    return nullptr;
  }
  return image;
}

StretchedPicture DecodeStretched(const std::string& bytes, int width, int height) {
  StretchedPicture result;
  if (width <= 0 || height <= 0) return result;
  std::unique_ptr<Gdiplus::Image> image = DecodePicture(bytes);
  if (!image) return result;

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (!bitmap) return result;
  HDC memory = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  {
    Gdiplus::Graphics graphics(memory);
    graphics.Clear(Gdiplus::Color(255, 255, 255, 255));
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    // Without it the stretch fades the edges into the cleared background,
    // and the top-left pixel would no longer have the picture's own colour.
    Gdiplus::ImageAttributes edges;
    edges.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(image.get(), Gdiplus::Rect(0, 0, width, height), 0, 0, static_cast<INT>(image->GetWidth()),
                       static_cast<INT>(image->GetHeight()), Gdiplus::UnitPixel, &edges);
  }
  GdiFlush();
  result.topLeft = GetPixel(memory, 0, 0);
  SelectObject(memory, old);
  DeleteDC(memory);
  result.bitmap = bitmap;
  return result;
}

}  // namespace tzl::gui
