// The steps of mapping a PE32 image, each over plain memory: the headers of
// the input, the size rule, the section layout, the base relocations, the
// import binding and the export look-up. Every step checks the offsets and
// sizes it uses against the input or the mapped image and reports a
// malformed image as false (or 0) instead of touching memory outside it.
#pragma once

#include <cstdint>
#include <string_view>

#include "appearance/byte_view.h"
#include "appearance/loader_platform.h"

namespace tzl::pe {

constexpr uint32_t kDosHeaderSize = 64;
constexpr uint32_t kNtHeadersSize = 248;
constexpr uint32_t kSectionHeaderSize = 40;
constexpr uint16_t kDosMagic = 0x5A4D;
constexpr uint32_t kNtSignature = 0x4550;
constexpr uint16_t kExecutableImage = 0x0002;
constexpr uint16_t kDllImage = 0x2000;
constexpr uint32_t kDllProcessDetach = 0;
constexpr uint32_t kDllProcessAttach = 1;

enum Directory { kExportDirectory = 0, kImportDirectory = 1, kRelocationDirectory = 5 };

struct DataDirectory {
  uint32_t virtualAddress = 0;
  uint32_t size = 0;
};

struct ImageHeaders {
  uint32_t ntOffset = 0;
  uint16_t sectionCount = 0;
  uint16_t characteristics = 0;
  uint32_t entryPoint = 0;
  uint32_t imageBase = 0;
  uint32_t sectionAlignment = 0;
  uint32_t sizeOfImage = 0;
  DataDirectory directories[16];
  // End of the section table: how much of the input is copied as headers.
  uint64_t headersEnd = 0;

  bool IsDll() const { return (characteristics & kDllImage) != 0; }
};

struct SectionHeader {
  uint32_t virtualSize = 0;
  uint32_t virtualAddress = 0;
  uint32_t sizeOfRawData = 0;
  uint32_t pointerToRawData = 0;
};

// The DOS and NT headers at the start of `bytes`: the magic, e_lfanew and
// the signature. Used for the input and again for an image already mapped.
bool RecogniseHeaders(ByteView bytes, ImageHeaders& headers);

// RecogniseHeaders plus what the input must hold to be mapped: the
// executable bit and the whole section table.
bool ReadInputHeaders(ByteView input, ImageHeaders& headers);

SectionHeader ReadSection(ByteView input, const ImageHeaders& headers, uint32_t index);

// The size rule: SizeOfImage raised to the aligned end of every section.
// False for a size of 0, a zero section alignment, an image beyond 4 GiB or
// headers that would not fit in it.
bool MappedSize(ByteView input, const ImageHeaders& headers, uint32_t& size);

// Copies the headers and the sections' raw data into the mapped image.
bool LayOutImage(ByteView input, const ImageHeaders& headers, ByteView image);

bool ApplyRelocations(ByteView image, const ImageHeaders& headers, Address base);

struct ImportBinding {
  LoaderPlatform* platform = nullptr;
  Address resolver = 0;  // 0: no resolver
  uint32_t resolverValue = 0;
};
bool BindImports(ByteView image, const ImageHeaders& headers, const ImportBinding& binding);

// The export's offset from base, 0 when absent (see InMemoryLibrary::FindExport).
uint32_t FindExportOffset(ByteView image, std::string_view name);

// The entry point's offset, 0 when the image has none.
uint32_t EntryPointOffset(ByteView image);

}  // namespace tzl::pe
