#include "gui/fonts.h"

#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "gui/wide_text.h"

namespace tzl::gui {

HFONT FontFor(const FontDesign& design) {
  if (design.pixelHeight == 0 && design.face == nullptr) return nullptr;
  static std::mutex lock;
  static std::map<std::pair<std::wstring, int>, HFONT> fonts;
  std::wstring face = design.face ? Wide(design.face) : std::wstring();
  if (face.empty()) {
    LOGFONTW defaultFont{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof defaultFont, &defaultFont);
    face = defaultFont.lfFaceName;
  }
  std::lock_guard<std::mutex> guard(lock);
  auto key = std::make_pair(face, design.pixelHeight);
  auto found = fonts.find(key);
  if (found != fonts.end()) return found->second;
  LOGFONTW font{};
  // Positive: the height of the character cell, so that a line of text is
  // as high as the design says and fits the labels made for it.
  font.lfHeight = design.pixelHeight;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfQuality = CLEARTYPE_QUALITY;
  lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&font);
  fonts[key] = made;
  return made;
}

}  // namespace tzl::gui
