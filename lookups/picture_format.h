// Recognises a picture by the signature its format begins with.
#pragma once

#include <string>

namespace tzl {

enum class PictureFormat { None, Png, Gif, Jpeg, Bmp };

PictureFormat RecognisePicture(const std::string& bytes);

}  // namespace tzl
