#include "lookups/picture_format.h"

namespace tzl {

namespace {

bool BeginsWith(const std::string& bytes, const char* signature, size_t length) {
  return bytes.size() >= length && bytes.compare(0, length, signature, length) == 0;
}

}  // namespace

PictureFormat RecognisePicture(const std::string& bytes) {
  if (BeginsWith(bytes, "\x89PNG\r\n\x1A\n", 8)) return PictureFormat::Png;
  if (BeginsWith(bytes, "GIF87a", 6) || BeginsWith(bytes, "GIF89a", 6)) return PictureFormat::Gif;
  if (BeginsWith(bytes, "\xFF\xD8\xFF", 3)) return PictureFormat::Jpeg;
  // "BM" alone is too common a start for text; a bitmap file also holds
  // its own length at bytes 2-5 and a header of at least 12 bytes.
  if (BeginsWith(bytes, "BM", 2) && bytes.size() >= 26) return PictureFormat::Bmp;
  return PictureFormat::None;
}

}  // namespace tzl
