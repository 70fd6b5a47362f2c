// Our skin format and the colour shift of the engine.
#include <gtest/gtest.h>

#include <vector>

#include "embedded/SkinData.h"
#include "skin/skin_format.h"

namespace tzl::skin {
namespace {

std::vector<uint8_t> Skin(std::vector<std::pair<uint16_t, Colour>> records, uint16_t version = 1) {
  std::vector<uint8_t> bytes = {'.', 'S', 'H', 'E', static_cast<uint8_t>(version), 0,
                                static_cast<uint8_t>(records.size()), 0};
  for (const auto& [key, colour] : records) {
    const uint8_t record[8] = {static_cast<uint8_t>(key), static_cast<uint8_t>(key >> 8), 0, 0,
                               RedOf(colour), GreenOf(colour), BlueOf(colour), 0};
    bytes.insert(bytes.end(), record, record + 8);
  }
  return bytes;
}

TEST(SkinFormat, TheCarriedSkinStartsWithItsMagicAndReads) {
  ASSERT_GE(sizeof SkinData, 8u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(SkinData), 4), ".SHE");
  SkinPalette palette;
  ASSERT_TRUE(ParseSkin(SkinData, sizeof SkinData, palette));
  EXPECT_EQ(palette.Get(SkinColour::kButtonFace), MakeColour(0x3D, 0x6F, 0xA8));
  EXPECT_EQ(palette.Get(SkinColour::kListText), MakeColour(0x1F, 0x2A, 0x38));
}

TEST(SkinFormat, RecordsSetTheirColoursAndUnknownKeysAreSkipped) {
  const auto bytes = Skin({{4, MakeColour(1, 2, 3)}, {200, MakeColour(9, 9, 9)}, {0, MakeColour(7, 7, 7)}});
  SkinPalette palette;
  const SkinPalette defaults;
  ASSERT_TRUE(ParseSkin(bytes.data(), bytes.size(), palette));
  EXPECT_EQ(palette.Get(SkinColour::kButtonFace), MakeColour(1, 2, 3));
  EXPECT_EQ(palette.Get(SkinColour::kWindowBackground), defaults.Get(SkinColour::kWindowBackground));
}

TEST(SkinFormat, DataThatIsNoReadableSkinIsRefusedAndChangesNothing) {
  auto badMagic = Skin({{4, 1}});
  badMagic[0] = 'x';
  auto truncated = Skin({{4, 1}, {5, 2}});
  truncated.pop_back();
  const std::vector<std::vector<uint8_t>> cases = {badMagic, truncated, Skin({{4, 1}}, 2),
                                                   std::vector<uint8_t>(SkinData, SkinData + 7)};
  for (const auto& bytes : cases) {
    SkinPalette palette;
    EXPECT_FALSE(ParseSkin(bytes.data(), bytes.size(), palette));
    EXPECT_EQ(palette.Get(SkinColour::kButtonFace), SkinPalette().Get(SkinColour::kButtonFace));
  }
  SkinPalette palette;
  EXPECT_FALSE(ParseSkin(nullptr, 100, palette));
}

TEST(SkinFormat, ShiftTurnsHueAndAddsSaturationAndBrightness) {
  const Colour face = MakeColour(0x3D, 0x6F, 0xA8);
  // A third of the colour wheel moves every channel to the next one.
  EXPECT_EQ(ShiftColour(face, 120, 0, 0), MakeColour(0xA8, 0x3D, 0x6F));
  EXPECT_EQ(ShiftColour(face, -240, 0, 0), MakeColour(0xA8, 0x3D, 0x6F));
  EXPECT_EQ(ShiftColour(face, 240, 0, 0), MakeColour(0x6F, 0xA8, 0x3D));
  EXPECT_EQ(ShiftColour(face, 360, 0, 0), face);
  EXPECT_EQ(ShiftColour(face, 0, 0, 0), face);
  EXPECT_EQ(ShiftColour(face, 0, 0, 100), MakeColour(255, 255, 255));
  EXPECT_EQ(ShiftColour(face, 0, 0, -1000), MakeColour(0, 0, 0));
  const Colour grey = ShiftColour(face, 0, -100, 0);
  EXPECT_EQ(RedOf(grey), GreenOf(grey));
  EXPECT_EQ(GreenOf(grey), BlueOf(grey));
  EXPECT_EQ(ShiftColour(face, INT32_MIN, INT32_MAX, INT32_MIN), MakeColour(0, 0, 0));
}

}  // namespace
}  // namespace tzl::skin
