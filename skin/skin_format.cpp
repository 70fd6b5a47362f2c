#include "skin/skin_format.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tzl::skin {

SkinPalette::SkinPalette() {
  colours_.fill(MakeColour(0xF0, 0xF0, 0xF0));
  Set(SkinColour::kWindowFrame, MakeColour(0x80, 0x80, 0x80));
  Set(SkinColour::kWindowText, 0);
  Set(SkinColour::kButtonText, 0);
  Set(SkinColour::kButtonFrame, MakeColour(0x80, 0x80, 0x80));
  Set(SkinColour::kButtonPressedFace, MakeColour(0xD0, 0xD0, 0xD0));
  Set(SkinColour::kEditBackground, MakeColour(0xFF, 0xFF, 0xFF));
  Set(SkinColour::kEditText, 0);
  Set(SkinColour::kEditFrame, MakeColour(0x80, 0x80, 0x80));
  Set(SkinColour::kHeaderText, 0);
  Set(SkinColour::kHeaderDivider, MakeColour(0x80, 0x80, 0x80));
  Set(SkinColour::kListBackground, MakeColour(0xFF, 0xFF, 0xFF));
  Set(SkinColour::kListText, 0);
}

namespace {

uint16_t Read16(const uint8_t* at) { return static_cast<uint16_t>(at[0] | (at[1] << 8)); }
uint32_t Read32(const uint8_t* at) { return at[0] | (at[1] << 8) | (at[2] << 16) | (uint32_t{at[3]} << 24); }

struct Hsl {
  double hue = 0;  // degrees, 0 … 360
  double saturation = 0;
  double lightness = 0;
};

Hsl ToHsl(Colour colour) {
  const double r = RedOf(colour) / 255.0, g = GreenOf(colour) / 255.0, b = BlueOf(colour) / 255.0;
  const double high = std::max({r, g, b}), low = std::min({r, g, b});
  Hsl hsl;
  hsl.lightness = (high + low) / 2;
  const double chroma = high - low;
  if (chroma <= 0) return hsl;
  hsl.saturation = chroma / (1 - std::fabs(2 * hsl.lightness - 1));
  if (high == r) {
    hsl.hue = 60 * std::fmod((g - b) / chroma + 6, 6);
  } else if (high == g) {
    hsl.hue = 60 * ((b - r) / chroma + 2);
  } else {
    hsl.hue = 60 * ((r - g) / chroma + 4);
  }
  return hsl;
}

uint8_t ToByte(double value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255)); }

Colour FromHsl(const Hsl& hsl) {
  const double chroma = (1 - std::fabs(2 * hsl.lightness - 1)) * hsl.saturation;
  const double sector = hsl.hue / 60;
  const double second = chroma * (1 - std::fabs(std::fmod(sector, 2) - 1));
  double r = 0, g = 0, b = 0;
  switch (static_cast<int>(sector) % 6) {
    case 0: r = chroma, g = second; break;
    case 1: r = second, g = chroma; break;
    case 2: g = chroma, b = second; break;
    case 3: g = second, b = chroma; break;
    case 4: r = second, b = chroma; break;
    default: r = chroma, b = second; break;
  }
  const double low = hsl.lightness - chroma / 2;
  return MakeColour(ToByte(r + low), ToByte(g + low), ToByte(b + low));
}

}  // namespace

bool ParseSkin(const uint8_t* data, size_t size, SkinPalette& palette) {
  if (data == nullptr || size < kSkinHeaderSize || std::memcmp(data, ".SHE", 4) != 0) return false;
  if (Read16(data + 4) != kSkinFormatVersion) return false;
  const size_t count = Read16(data + 6);
  if (count > (size - kSkinHeaderSize) / kSkinRecordSize) return false;
  SkinPalette parsed = palette;
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* record = data + kSkinHeaderSize + i * kSkinRecordSize;
    const uint16_t key = Read16(record);
    if (key >= 1 && key <= kSkinColourCount) parsed.Set(static_cast<SkinColour>(key), Read32(record + 4));
  }
  palette = parsed;
  return true;
}

Colour ShiftColour(Colour colour, int hue, int saturation, int brightness) {
  if (hue == 0 && saturation == 0 && brightness == 0) return colour & 0xFFFFFF;
  Hsl hsl = ToHsl(colour);
  hsl.hue = std::fmod(std::fmod(hsl.hue + hue, 360) + 360, 360);
  hsl.saturation = std::clamp(hsl.saturation + saturation / 100.0, 0.0, 1.0);
  hsl.lightness = std::clamp(hsl.lightness + brightness / 100.0, 0.0, 1.0);
  return FromHsl(hsl);
}

SkinPalette ShiftPalette(const SkinPalette& palette, int hue, int saturation, int brightness) {
  SkinPalette shifted = palette;
  for (uint16_t key = 1; key <= kSkinColourCount; ++key) {
    const auto colour = static_cast<SkinColour>(key);
    shifted.Set(colour, ShiftColour(palette.Get(colour), hue, saturation, brightness));
  }
  return shifted;
}

}  // namespace tzl::skin
