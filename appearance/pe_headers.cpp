#include "appearance/pe_image.h"

namespace tzl::pe {

namespace {

// Field offsets inside IMAGE_NT_HEADERS32.
constexpr uint32_t kNumberOfSections = 4 + 2;
constexpr uint32_t kCharacteristics = 4 + 18;
constexpr uint32_t kAddressOfEntryPoint = 24 + 16;
constexpr uint32_t kImageBase = 24 + 28;
constexpr uint32_t kSectionAlignment = 24 + 32;
constexpr uint32_t kSizeOfImage = 24 + 56;
constexpr uint32_t kDataDirectories = 24 + 96;
constexpr uint32_t kLfanew = 60;

}  // namespace

bool RecogniseHeaders(ByteView bytes, ImageHeaders& headers) {
  uint16_t magic = 0;
  uint32_t lfanew = 0;
  if (bytes.Size() < kDosHeaderSize || !bytes.Read16(0, magic) || magic != kDosMagic) return false;
  bytes.Read32(kLfanew, lfanew);
  // e_lfanew is signed: a value with the top bit set points before the file.
  if ((lfanew & 0x80000000u) != 0 || !bytes.Contains(lfanew, kNtHeadersSize)) return false;

  uint32_t signature = 0;
  bytes.Read32(lfanew, signature);
  if (signature != kNtSignature) return false;

  headers.ntOffset = lfanew;
  bytes.Read16(lfanew + kNumberOfSections, headers.sectionCount);
  bytes.Read16(lfanew + kCharacteristics, headers.characteristics);
  bytes.Read32(lfanew + kAddressOfEntryPoint, headers.entryPoint);
  bytes.Read32(lfanew + kImageBase, headers.imageBase);
  bytes.Read32(lfanew + kSectionAlignment, headers.sectionAlignment);
  bytes.Read32(lfanew + kSizeOfImage, headers.sizeOfImage);
  for (uint32_t i = 0; i < 16; ++i) {
    bytes.Read32(lfanew + kDataDirectories + 8 * i, headers.directories[i].virtualAddress);
    bytes.Read32(lfanew + kDataDirectories + 8 * i + 4, headers.directories[i].size);
  }
  headers.headersEnd = uint64_t{lfanew} + kNtHeadersSize + uint64_t{kSectionHeaderSize} * headers.sectionCount;
  return true;
}

bool ReadInputHeaders(ByteView input, ImageHeaders& headers) {
  if (!RecogniseHeaders(input, headers)) return false;
  if ((headers.characteristics & kExecutableImage) == 0) return false;
  return headers.headersEnd <= input.Size();
}

SectionHeader ReadSection(ByteView input, const ImageHeaders& headers, uint32_t index) {
  const uint64_t at = uint64_t{headers.ntOffset} + kNtHeadersSize + uint64_t{kSectionHeaderSize} * index;
  SectionHeader section;
  input.Read32(at + 8, section.virtualSize);
  input.Read32(at + 12, section.virtualAddress);
  input.Read32(at + 16, section.sizeOfRawData);
  input.Read32(at + 20, section.pointerToRawData);
  return section;
}

}  // namespace tzl::pe
