// Our skin data: the colours one skin gives to windows, frames, buttons,
// edit boxes and list-view headers, and the hue, saturation and brightness
// shift that the engine applies to them.
//
// Layout (little-endian):
//   0  4 bytes  ".SHE"
//   4  16 bits  format version, 1
//   6  16 bits  number of colour records n
//   8  n records of 8 bytes: 16-bit SkinColour key, 16 bits 0, 32-bit
//      colour 0x00BBGGRR (a COLORREF)
// Unknown keys are skipped, so a newer skin still reads; a key that is
// missing keeps the palette's built-in colour.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tzl::skin {

enum class SkinColour : uint16_t {
  kWindowBackground = 1,
  kWindowFrame,
  kWindowText,
  kButtonFace,
  kButtonText,
  kButtonFrame,
  kButtonPressedFace,
  kEditBackground,
  kEditText,
  kEditFrame,
  kHeaderFace,
  kHeaderText,
  kHeaderDivider,
  kListBackground,
  kListText,
};
constexpr size_t kSkinColourCount = 15;

constexpr uint16_t kSkinFormatVersion = 1;
constexpr size_t kSkinHeaderSize = 8;
constexpr size_t kSkinRecordSize = 8;

using Colour = uint32_t;  // 0x00BBGGRR

constexpr Colour MakeColour(uint8_t red, uint8_t green, uint8_t blue) {
  return red | (uint32_t{green} << 8) | (uint32_t{blue} << 16);
}
constexpr uint8_t RedOf(Colour colour) { return colour & 0xFF; }
constexpr uint8_t GreenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr uint8_t BlueOf(Colour colour) { return (colour >> 16) & 0xFF; }

class SkinPalette {
 public:
  SkinPalette();  // neutral built-in colours
  Colour Get(SkinColour key) const { return colours_[Index(key)]; }
  void Set(SkinColour key, Colour colour) { colours_[Index(key)] = colour & 0xFFFFFF; }

 private:
  static size_t Index(SkinColour key) { return static_cast<size_t>(key) - 1; }
  std::array<Colour, kSkinColourCount> colours_;
};

// False, with `palette` unchanged, for data that is not a skin of a version
// this engine reads, or whose records run past its end.
bool ParseSkin(const uint8_t* data, size_t size, SkinPalette& palette);

// Hue in degrees (turned around the colour wheel, red towards green for a
// positive value), saturation and brightness in percent added to the
// colour's own (-100 … 100; beyond that the result is clamped).
Colour ShiftColour(Colour colour, int hue, int saturation, int brightness);
SkinPalette ShiftPalette(const SkinPalette& palette, int hue, int saturation, int brightness);

}  // namespace tzl::skin
