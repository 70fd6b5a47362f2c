// The loader's steps on images built as bytes, in a simulated address space.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "appearance/in_memory_library.h"
#include "appearance/simulated_loader_platform.h"
#include "tests/appearance/pe_builder.h"

namespace tzl {
namespace {

using test::BuiltSection;
using test::PeBuilder;

constexpr uint32_t kRva = PeBuilder::kDataRva;

// Records what the loader asks of the platform.
class RecordingPlatform : public SimulatedLoaderPlatform {
 public:
  RecordingPlatform() {
    callEntry = [this](Address entry, uint32_t reason) {
      entryCalls.push_back({entry, reason});
      return reason == 1 ? attachResult : 1u;
    };
    loadLibrary = [this](const char* name) {
      libraries.push_back(name);
      return LibraryHandle{0x7000};
    };
    procByName = [this](LibraryHandle, const char* name) -> Address {
      return std::string(name) == "Missing" ? 0 : 0x7F000000u + static_cast<Address>(std::strlen(name));
    };
    procByOrdinal = [](LibraryHandle, uint16_t ordinal) -> Address { return 0x7E000000u + ordinal; };
  }

  MappedRegion Reserve(Address preferred, uint32_t size) override {
    ++reserveCalls;
    lastReserveSize = size;
    return SimulatedLoaderPlatform::Reserve(preferred, size);
  }

  struct EntryCall {
    Address entry;
    uint32_t reason;
    bool operator==(const EntryCall& other) const { return entry == other.entry && reason == other.reason; }
  };
  std::vector<EntryCall> entryCalls;
  std::vector<std::string> libraries;
  uint32_t attachResult = 1;
  int reserveCalls = 0;
  uint32_t lastReserveSize = 0;
};

class LoaderTest : public ::testing::Test {
 protected:
  bool Load(const std::vector<uint8_t>& bytes, ImportResolver resolver = 0, uint32_t value = 0) {
    return library.Load(bytes.data(), bytes.size(), resolver, value);
  }
  uint32_t Mapped32(uint32_t rva) {
    uint32_t value = 0;
    std::memcpy(&value, platform.RegionBytes(library.BaseAddress()) + rva, 4);
    return value;
  }

  RecordingPlatform platform;
  InMemoryLibrary library{platform};
};

// --- the size checks -------------------------------------------------------

TEST_F(LoaderTest, InputsTooShortOrNotMzFailWithoutReserving) {
  std::vector<uint8_t> valid = PeBuilder().Build();
  std::vector<uint8_t> short63(valid.begin(), valid.begin() + 63);
  std::vector<uint8_t> notMz = valid;
  notMz[1] = 'Y';
  for (const auto& bytes : {short63, notMz}) {
    EXPECT_FALSE(Load(bytes));
  }
  EXPECT_FALSE(library.Load(nullptr, 4096));
  EXPECT_EQ(platform.reserveCalls, 0);
  EXPECT_EQ(library.BaseAddress(), 0u);
}

TEST_F(LoaderTest, InputEndingAtTheHeadersOrSectionTablePassesAndOneByteLessFails) {
  PeBuilder noSections;
  noSections.sections.clear();
  PeBuilder emptySection;
  emptySection.sections[0].data.clear();
  for (PeBuilder* builder : {&noSections, &emptySection}) {
    std::vector<uint8_t> bytes = builder->Build();
    ASSERT_EQ(bytes.size(), builder->HeadersEnd());
    EXPECT_TRUE(Load(bytes));
    EXPECT_TRUE(library.Unload());
    bytes.pop_back();
    EXPECT_FALSE(Load(bytes));
  }
}

TEST_F(LoaderTest, HeaderFaultsFail) {
  struct Case {
    const char* what;
    void (*changeImage)(PeBuilder&);
    uint32_t lfanew;  // written over e_lfanew when not 0
  };
  const Case cases[] = {
      {"no executable bit", [](PeBuilder& b) { b.characteristics = 0x2100; }, 0},
      {"wrong signature", [](PeBuilder& b) { b.signature = 0x4551; }, 0},
      {"negative e_lfanew", [](PeBuilder&) {}, 0x80000040u},
      {"NT headers past the end", [](PeBuilder&) {}, 0x7FFFFFF0u},
      {"zero size", [](PeBuilder& b) { b.sizeOfImage = 0; b.sections.clear(); }, 0},
      {"zero section alignment", [](PeBuilder& b) { b.sectionAlignment = 0; }, 0},
      {"image beyond 4 GiB", [](PeBuilder& b) { b.sections[0].virtualAddress = 0xFFFFF000u; }, 0},
      {"headers larger than the image", [](PeBuilder& b) { b.sections.clear(); b.sizeOfImage = 0x100; }, 0},
      {"DLL entry point outside the image", [](PeBuilder& b) { b.entryPoint = 0x3000; }, 0},
  };
  for (const Case& c : cases) {
    PeBuilder builder;
    builder.Put32(kRva, 0);
    c.changeImage(builder);
    std::vector<uint8_t> bytes = builder.Build();
    if (c.lfanew != 0) std::memcpy(&bytes[60], &c.lfanew, 4);
    EXPECT_FALSE(Load(bytes)) << c.what;
    EXPECT_EQ(platform.ReservedRegionCount(), 0u) << c.what;
  }
}

// --- the size rule and the layout -----------------------------------------

TEST_F(LoaderTest, SizeRuleRaisesSizeOfImageToAlignedSectionEnds) {
  struct Case {
    uint32_t sizeOfImage, alignment, virtualAddress, virtualSize, rawSize, expected;
  };
  const Case cases[] = {
      {0x3000, 0x1000, 0x1000, 0x0800, 0x0200, 0x3000},   // sections inside SizeOfImage
      {0x1000, 0x1000, 0x1000, 0x2001, 0x0200, 0x4000},   // VirtualSize rounded up
      {0x1000, 0x1000, 0x1000, 0x12000, 0x0200, 0x3000},  // only VirtualSize's low 16 bits count
      {0x1000, 0x1000, 0x1000, 0x0100, 0x2200, 0x4000},   // raw size larger than VirtualSize
      {0x1000, 0x0300, 0x1000, 0x0100, 0x0200, 0x1200},   // alignment that is no power of two
  };
  for (const Case& c : cases) {
    PeBuilder builder;
    builder.sizeOfImage = c.sizeOfImage;
    builder.sectionAlignment = c.alignment;
    builder.sections[0].virtualSize = c.virtualSize;
    builder.sections[0].data.assign(c.rawSize, 0xAB);
    ASSERT_TRUE(Load(builder.Build())) << std::hex << c.virtualSize;
    EXPECT_EQ(platform.lastReserveSize, c.expected) << std::hex << c.virtualSize;
    library.Unload();
  }
}

TEST_F(LoaderTest, LayoutCopiesHeadersUpToSectionTableAndRawDataOfSectionsWithAddress) {
  PeBuilder builder;
  builder.characteristics = 0x0102;  // not a DLL: no entry point involved
  builder.Put32(kRva, 0x11223344);
  BuiltSection unaddressed;
  unaddressed.virtualAddress = 0;
  unaddressed.data.assign(16, 0xEE);
  BuiltSection bss;
  bss.virtualAddress = 0x2000;
  builder.sections.push_back(unaddressed);
  builder.sections.push_back(bss);
  std::vector<uint8_t> bytes = builder.Build();
  bytes[builder.HeadersEnd()] = 0x5A;  // inside SizeOfHeaders, after the section table
  ASSERT_TRUE(Load(bytes));

  const uint8_t* image = platform.RegionBytes(library.BaseAddress());
  EXPECT_EQ(std::memcmp(image, bytes.data(), builder.HeadersEnd()), 0);
  EXPECT_EQ(image[builder.HeadersEnd()], 0);
  EXPECT_EQ(Mapped32(kRva), 0x11223344u);
  EXPECT_EQ(image[0x2000], 0);
}

TEST_F(LoaderTest, SectionRawDataOutsideTheInputFails) {
  const uint32_t pointers[] = {0x10000, 0xFFFFFFF0u};
  for (uint32_t pointer : pointers) {
    PeBuilder builder;
    builder.Put32(kRva, 1);
    builder.sections[0].pointerToRawData = pointer;
    EXPECT_FALSE(Load(builder.Build())) << std::hex << pointer;
    EXPECT_EQ(platform.ReservedRegionCount(), 0u);
  }
  PeBuilder rawSizeTooLarge;
  rawSizeTooLarge.Put32(kRva, 1);
  rawSizeTooLarge.sections[0].sizeOfRawData = 0x800;
  EXPECT_FALSE(Load(rawSizeTooLarge.Build()));
  EXPECT_EQ(platform.ReservedRegionCount(), 0u);
}

// --- base relocations ------------------------------------------------------

PeBuilder RelocatedImage() {
  PeBuilder builder;
  builder.characteristics = 0x0102;
  builder.Put32(kRva + 0x10, 0x10001234);  // HIGHLOW target
  builder.Put32(kRva + 0x20, 0x10005678);  // type 0 entry: skipped
  builder.Put32(kRva + 0x30, 0x10009ABC);  // HIGHLOW target, second block
  // Block 1 at 0x1100: two entries.
  builder.Put32(kRva + 0x100, kRva).Put32(kRva + 0x104, 12);
  builder.Put16(kRva + 0x108, 0x3010).Put16(kRva + 0x10A, 0x0020);
  // Block 2 right after it.
  builder.Put32(kRva + 0x10C, kRva).Put32(kRva + 0x110, 10).Put16(kRva + 0x114, 0x3030);
  // The directory's Size covers only the first block: the walk goes on to
  // the zero block address regardless.
  builder.Directory(5, kRva + 0x100, 12);
  return builder;
}

TEST_F(LoaderTest, HighLowRelocationsAreAdjustedByTheDelta) {
  platform.Occupy(0x10000000, 0x10000);
  ASSERT_TRUE(Load(RelocatedImage().Build()));
  const uint32_t delta = library.BaseAddress() - 0x10000000u;
  ASSERT_NE(delta, 0u);
  EXPECT_EQ(Mapped32(kRva + 0x10), 0x10001234u + delta);
  EXPECT_EQ(Mapped32(kRva + 0x20), 0x10005678u);
  EXPECT_EQ(Mapped32(kRva + 0x30), 0x10009ABCu + delta);
  EXPECT_EQ(Mapped32(64 + 52), 0x10000000u) << "the copied headers keep the old ImageBase";
}

TEST_F(LoaderTest, RelocationsAtThePreferredBaseAddZero) {
  ASSERT_TRUE(Load(RelocatedImage().Build()));
  EXPECT_EQ(library.BaseAddress(), 0x10000000u);
  EXPECT_EQ(Mapped32(kRva + 0x10), 0x10001234u);
  EXPECT_EQ(Mapped32(kRva + 0x30), 0x10009ABCu);
}

TEST_F(LoaderTest, MalformedRelocationsFailAndRelease) {
  struct Case {
    const char* what;
    void (*change)(PeBuilder&);
  };
  const Case cases[] = {
      {"SizeOfBlock 0", [](PeBuilder& b) { b.Put32(kRva + 0x104, 0); }},
      {"SizeOfBlock 7", [](PeBuilder& b) { b.Put32(kRva + 0x104, 7); }},
      {"block past the image end", [](PeBuilder& b) { b.Put32(kRva + 0x104, 0x3000); }},
      {"entry target past the image end", [](PeBuilder& b) { b.Put32(kRva + 0x100, 0x2FFE); }},
      {"directory outside the image", [](PeBuilder& b) { b.Directory(5, 0x7FFFFFFF, 8); }},
      {"block header straddling the end",
       [](PeBuilder& b) {
         b.Put32(kRva + 0x100, kRva).Put32(kRva + 0x104, 0x2000 - 0x100 - 4);
         b.Put32(kRva + 0x1FF8, 0);
       }},
  };
  for (const Case& c : cases) {
    PeBuilder builder = RelocatedImage();
    c.change(builder);
    EXPECT_FALSE(Load(builder.Build())) << c.what;
    EXPECT_EQ(platform.ReservedRegionCount(), 0u) << c.what;
  }
}

TEST_F(LoaderTest, BlocksFillingTheImageToItsEndEndTheWalk) {
  PeBuilder builder;
  builder.characteristics = 0x0102;
  builder.sizeOfImage = 0x2000;
  builder.Put32(kRva, 0x10000010);
  builder.Put32(kRva + 0xFF8, kRva).Put32(kRva + 0xFFC, 8);
  builder.Directory(5, kRva + 0xFF8, 8);
  EXPECT_TRUE(Load(builder.Build()));
}

// --- imports ---------------------------------------------------------------

// One descriptor for "user32.dll": MessageBoxA by name, ordinal 17, and a
// descriptor whose Name is set but FirstThunk 0, which ends the list.
PeBuilder ImportingImage() {
  PeBuilder builder;
  builder.characteristics = 0x0102;
  builder.PutText(kRva + 0x200, "user32.dll");
  builder.Put16(kRva + 0x210, 0).PutText(kRva + 0x212, "MessageBoxA");
  builder.Put32(kRva + 0x300, kRva + 0x210).Put32(kRva + 0x304, 0x80000011u).Put32(kRva + 0x308, 0);
  builder.Put32(kRva + 0x100 + 12, kRva + 0x200).Put32(kRva + 0x100 + 16, kRva + 0x300);
  builder.Put32(kRva + 0x114 + 12, kRva + 0x200).Put32(kRva + 0x114 + 16, 0);
  builder.Directory(1, kRva + 0x100, 40);
  return builder;
}

TEST_F(LoaderTest, ImportsAreBoundByNameAndOrdinalIntoTheSlots) {
  ASSERT_TRUE(Load(ImportingImage().Build()));
  EXPECT_EQ(platform.libraries, std::vector<std::string>{"user32.dll"});
  EXPECT_EQ(Mapped32(kRva + 0x300), 0x7F000000u + 11);
  EXPECT_EQ(Mapped32(kRva + 0x304), 0x7E000011u);
  EXPECT_EQ(Mapped32(kRva + 0x308), 0u);
}

TEST_F(LoaderTest, ResolverIsAskedFirstAndZeroLeavesTheImportToTheSystem) {
  struct Asked {
    std::string dll, function;
    uint32_t value;
    bool dllInsideImage;
  };
  std::vector<Asked> asked;
  platform.callResolver = [&](Address resolver, const char* dll, const char* function, uint32_t value) -> Address {
    EXPECT_EQ(resolver, 0x5000u);
    const uint8_t* image = platform.RegionBytes(library.BaseAddress() ? library.BaseAddress() : 0x10000000);
    asked.push_back({dll, function, value, image != nullptr && dll == reinterpret_cast<const char*>(image) + kRva + 0x200});
    return std::string(function) == "17" ? 0x12345678u : 0u;
  };
  ASSERT_TRUE(Load(ImportingImage().Build(), 0x5000, 99));
  ASSERT_EQ(asked.size(), 2u);
  EXPECT_EQ(asked[0].dll, "user32.dll");
  EXPECT_TRUE(asked[0].dllInsideImage);
  EXPECT_EQ(asked[0].function, "MessageBoxA");
  EXPECT_EQ(asked[1].function, "17");
  EXPECT_EQ(asked[1].value, 99u);
  EXPECT_EQ(Mapped32(kRva + 0x300), 0x7F000000u + 11) << "resolver said 0: the system's address";
  EXPECT_EQ(Mapped32(kRva + 0x304), 0x12345678u);
}

TEST_F(LoaderTest, UnresolvedOrMalformedImportsFailAndRelease) {
  struct Case {
    const char* what;
    void (*change)(PeBuilder&);
  };
  const Case cases[] = {
      {"unresolved import", [](PeBuilder& b) { b.PutText(kRva + 0x212, "Missing"); }},
      {"descriptor outside the image", [](PeBuilder& b) { b.Directory(1, 0x2FF0, 20); }},
      {"DLL name outside the image", [](PeBuilder& b) { b.Put32(kRva + 0x100 + 12, 0x90000000u); }},
      {"DLL name without end inside the image",
       [](PeBuilder& b) { b.Put32(kRva + 0x100 + 12, 0x2FFC); b.sections[0].data.resize(0x2000, 'x'); }},
      {"thunks outside the image", [](PeBuilder& b) { b.Put32(kRva + 0x100 + 16, 0x2FFE); }},
      {"import name outside the image", [](PeBuilder& b) { b.Put32(kRva + 0x300, 0x7FFFFFFE); }},
      {"thunks running to the image end",
       [](PeBuilder& b) {
         b.Put32(kRva + 0x100 + 16, kRva + 0x1000 - 8);
         b.Put32(kRva + 0x1000 - 8, 0x80000001u).Put32(kRva + 0x1000 - 4, 0x80000002u);
         b.sizeOfImage = 0x2000;
       }},
  };
  for (const Case& c : cases) {
    PeBuilder builder = ImportingImage();
    c.change(builder);
    EXPECT_FALSE(Load(builder.Build())) << c.what;
    EXPECT_EQ(platform.ReservedRegionCount(), 0u) << c.what;
    EXPECT_EQ(library.BaseAddress(), 0u);
  }
}

// --- entry point -----------------------------------------------------------

TEST_F(LoaderTest, DllEntryPointGetsTheAttachWithArgumentsZeroReasonZero) {
  PeBuilder builder;
  builder.entryPoint = kRva + 0x40;
  builder.Put32(kRva, 0);
  ASSERT_TRUE(Load(builder.Build()));
  const Address entry = library.BaseAddress() + kRva + 0x40;
  EXPECT_EQ(platform.entryCalls, (std::vector<RecordingPlatform::EntryCall>{{entry, 1}}));
  EXPECT_EQ(library.EntryPoint(), entry);
}

TEST_F(LoaderTest, RefusedAttachGetsTheDetachAndReleases) {
  platform.attachResult = 0;
  PeBuilder builder;
  builder.entryPoint = kRva + 0x40;
  builder.Put32(kRva, 0);
  EXPECT_FALSE(Load(builder.Build()));
  ASSERT_EQ(platform.entryCalls.size(), 2u);
  EXPECT_EQ(platform.entryCalls[0].reason, 1u);
  EXPECT_EQ(platform.entryCalls[1], (RecordingPlatform::EntryCall{platform.entryCalls[0].entry, 0}));
  EXPECT_EQ(platform.ReservedRegionCount(), 0u);
  EXPECT_EQ(library.BaseAddress(), 0u);
}

TEST_F(LoaderTest, ImageWithoutDllBitIsMappedAndBoundButNotCalled) {
  PeBuilder builder = ImportingImage();
  builder.entryPoint = kRva + 0x40;
  EXPECT_TRUE(Load(builder.Build()));
  EXPECT_TRUE(platform.entryCalls.empty());
  EXPECT_EQ(Mapped32(kRva + 0x304), 0x7E000011u);
  EXPECT_TRUE(library.Unload());
  EXPECT_TRUE(platform.entryCalls.empty()) << "no detach either";
}

TEST_F(LoaderTest, DllWithEntryPointZeroHasNoEntryPoint) {
  PeBuilder builder;
  builder.Put32(kRva, 0);
  ASSERT_TRUE(Load(builder.Build()));
  EXPECT_TRUE(platform.entryCalls.empty());
  EXPECT_EQ(library.EntryPoint(), 0u);
  EXPECT_TRUE(library.Unload());
  EXPECT_TRUE(platform.entryCalls.empty());
}

// --- lifecycle -------------------------------------------------------------

TEST_F(LoaderTest, EmptyObjectAnswersWithZeroAndUnloadsTrivially) {
  EXPECT_TRUE(library.Unload());
  EXPECT_EQ(library.FindExport("Anything"), 0u);
  EXPECT_EQ(library.FindExport("1"), 0u);
  EXPECT_EQ(library.EntryPoint(), 0u);
  EXPECT_EQ(library.BaseAddress(), 0u);
}

TEST_F(LoaderTest, LoadOverAHeldImageDetachesItFirst) {
  PeBuilder first;
  first.entryPoint = kRva + 0x40;
  first.Put32(kRva, 0);
  ASSERT_TRUE(Load(first.Build()));
  const Address firstEntry = library.EntryPoint();
  platform.entryCalls.clear();
  PeBuilder second = first;
  second.entryPoint = kRva + 0x80;
  ASSERT_TRUE(Load(second.Build()));
  ASSERT_EQ(platform.entryCalls.size(), 2u);
  EXPECT_EQ(platform.entryCalls[0], (RecordingPlatform::EntryCall{firstEntry, 0}));
  EXPECT_EQ(platform.entryCalls[1], (RecordingPlatform::EntryCall{library.EntryPoint(), 1}));
  EXPECT_EQ(platform.ReservedRegionCount(), 1u);
}

TEST_F(LoaderTest, UnloadDetachesAndReleasesAndFailsOnDamagedHeaders) {
  PeBuilder builder;
  builder.entryPoint = kRva + 0x40;
  builder.Put32(kRva, 0);
  ASSERT_TRUE(Load(builder.Build()));
  const Address base = library.BaseAddress();
  platform.RegionBytes(base)[0] = 'X';
  EXPECT_FALSE(library.Unload());
  EXPECT_EQ(library.BaseAddress(), base);
  platform.RegionBytes(base)[0] = 'M';
  platform.entryCalls.clear();
  EXPECT_TRUE(library.Unload());
  EXPECT_EQ(platform.entryCalls, (std::vector<RecordingPlatform::EntryCall>{{base + kRva + 0x40, 0}}));
  EXPECT_EQ(platform.ReservedRegionCount(), 0u);
  EXPECT_EQ(library.BaseAddress(), 0u);
}

TEST_F(LoaderTest, DestroyingTheObjectLeavesTheImageMappedAndUnnotified) {
  PeBuilder builder;
  builder.entryPoint = kRva + 0x40;
  builder.Put32(kRva, 0);
  {
    InMemoryLibrary scoped(platform);
    const std::vector<uint8_t> bytes = builder.Build();
    ASSERT_TRUE(scoped.Load(bytes.data(), bytes.size()));
    platform.entryCalls.clear();
  }
  EXPECT_TRUE(platform.entryCalls.empty());
  EXPECT_EQ(platform.ReservedRegionCount(), 1u);
}

}  // namespace
}  // namespace tzl
