// FindExport on images built as bytes: the consecutive-names walk, the
// ordinal rule and export tables that do not fit the image.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "appearance/in_memory_library.h"
#include "appearance/simulated_loader_platform.h"
#include "tests/appearance/pe_builder.h"

namespace tzl {
namespace {

using test::PeBuilder;

constexpr uint32_t kRva = PeBuilder::kDataRva;
constexpr uint32_t kDirectory = kRva + 0x100;
constexpr uint32_t kFunctions = kRva + 0x200;
constexpr uint32_t kNamePointers = kRva + 0x300;
constexpr uint32_t kNameOrdinals = kRva + 0x400;
constexpr uint32_t kNames = kRva + 0x500;

// Ordinal base 10; functions 0..3 at 0x1A00 + 16 * index, function 2 empty.
// Names "Alpha" -> index 3, "Beta" -> index 0, "Gamma" -> index 2 (empty),
// laid out one after the other; only the first name pointer is right.
PeBuilder ExportingImage() {
  PeBuilder builder;
  builder.Put32(kDirectory + 16, 10).Put32(kDirectory + 20, 4).Put32(kDirectory + 24, 3);
  builder.Put32(kDirectory + 28, kFunctions).Put32(kDirectory + 32, kNamePointers).Put32(kDirectory + 36, kNameOrdinals);
  for (uint32_t i = 0; i < 4; ++i) builder.Put32(kFunctions + 4 * i, i == 2 ? 0 : 0x1A00 + 16 * i);
  builder.Put32(kNamePointers, kNames).Put32(kNamePointers + 4, 0xDEAD).Put32(kNamePointers + 8, 0xBEEF);
  builder.Put16(kNameOrdinals, 3).Put16(kNameOrdinals + 2, 0).Put16(kNameOrdinals + 4, 2);
  builder.PutText(kNames, "Alpha").PutText(kNames + 6, "Beta").PutText(kNames + 11, "Gamma");
  builder.Directory(0, kDirectory, 0x500);
  return builder;
}

class ExportLookupTest : public ::testing::Test {
 protected:
  Address Find(PeBuilder builder, const char* name) {
    const std::vector<uint8_t> bytes = builder.Build();
    if (!library.Load(bytes.data(), bytes.size())) return 0xFFFFFFFFu;
    const Address found = library.FindExport(name);
    return found == 0 ? 0 : found - library.BaseAddress();
  }

  SimulatedLoaderPlatform platform;
  InMemoryLibrary library{platform};
};

TEST_F(ExportLookupTest, NamesAreWalkedAsConsecutiveTexts) {
  const struct {
    const char* name;
    uint32_t offset;
  } cases[] = {
      {"Alpha", 0x1A00 + 48}, {"Beta", 0x1A00}, {"Gamma", 0},  // Gamma's function entry is 0
      {"alpha", 0}, {"Alph", 0}, {"AlphaX", 0}, {"", 0}, {"Delta", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(Find(ExportingImage(), c.name), c.offset) << c.name;
}

TEST_F(ExportLookupTest, DecimalTextIsAnOrdinalCountedFromBase) {
  const struct {
    const char* name;
    uint32_t offset;
  } cases[] = {
      {"10", 0x1A00}, {"11", 0x1A10}, {"12", 0}, {"13", 0x1A30},  // 12: empty entry
      {"9", 0}, {"14", 0}, {"-1", 0}, {"4294967306", 0},           // outside the table
      {"012", 0}, {"+11", 0}, {"11 ", 0},                          // not their own decimal text: names
  };
  for (const auto& c : cases) EXPECT_EQ(Find(ExportingImage(), c.name), c.offset) << c.name;
}

TEST_F(ExportLookupTest, NameOrdinalOutsideTheFunctionTableIsSkipped) {
  PeBuilder builder = ExportingImage();
  builder.Put16(kNameOrdinals + 2, 4);  // Beta -> index 4 of 4
  EXPECT_EQ(Find(builder, "Beta"), 0u);
  EXPECT_EQ(Find(ExportingImage(), "Alpha"), 0x1A00u + 48);
}

TEST_F(ExportLookupTest, TablesThatDoNotFitTheImageFindNothing) {
  struct Case {
    const char* what;
    const char* name;
    void (*change)(PeBuilder&);
  };
  const Case cases[] = {
      {"no export directory", "Alpha", [](PeBuilder& b) { b.Directory(0, kDirectory, 0); }},
      {"directory outside the image", "Alpha", [](PeBuilder& b) { b.Directory(0, 0x2FFC, 40); }},
      {"function table outside", "10", [](PeBuilder& b) { b.Put32(kDirectory + 28, 0x7FFFFFF0); }},
      {"function table outside, by name", "Beta", [](PeBuilder& b) { b.Put32(kDirectory + 28, 0x2FFE); }},
      {"function entry outside the image", "10", [](PeBuilder& b) { b.Put32(kFunctions, 0x50000); }},
      {"name pointers outside", "Alpha", [](PeBuilder& b) { b.Put32(kDirectory + 32, 0xFFFFFFFF); }},
      {"first name outside", "Alpha", [](PeBuilder& b) { b.Put32(kNamePointers, 0x3000); }},
      {"name ordinals outside", "Alpha", [](PeBuilder& b) { b.Put32(kDirectory + 36, 0x2FFF); }},
      {"names running off the image", "Zeta",
       [](PeBuilder& b) {
         b.Put32(kDirectory + 24, 0xFFFFFFFF);
         b.Put32(kDirectory + 36, kRva);  // every ordinal readable for a while
       }},
      {"unterminated name at the image end", "Alpha",
       [](PeBuilder& b) {
         b.sizeOfImage = 0x2000;
         b.Put32(kNamePointers, 0x1FFB);
         b.PutText(0x1FFB, "Alph");
         b.sections[0].data.back() = 'a';
       }},
  };
  for (const Case& c : cases) {
    PeBuilder builder = ExportingImage();
    c.change(builder);
    EXPECT_EQ(Find(builder, c.name), 0u) << c.what;
  }
}

}  // namespace
}  // namespace tzl
