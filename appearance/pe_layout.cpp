#include <algorithm>
#include <cstring>

#include "appearance/pe_image.h"

namespace tzl::pe {

bool MappedSize(ByteView input, const ImageHeaders& headers, uint32_t& size) {
  // A zero alignment has no multiples; rounding by it would divide by zero.
  if (headers.sectionAlignment == 0) return false;
  uint64_t total = headers.sizeOfImage;
  for (uint32_t i = 0; i < headers.sectionCount; ++i) {
    const SectionHeader section = ReadSection(input, headers, i);
    // Only the low 16 bits of VirtualSize count; SizeOfRawData counts whole.
    const uint64_t extent = std::max<uint64_t>(section.virtualSize & 0xFFFFu, section.sizeOfRawData);
    const uint64_t end = uint64_t{section.virtualAddress} + extent;
    const uint64_t alignment = headers.sectionAlignment;
    const uint64_t aligned = (end + alignment - 1) / alignment * alignment;
    total = std::max(total, aligned);
  }
  // The headers are copied to the start of the image, so they must fit.
  if (total == 0 || total > 0xFFFFFFFFu || headers.headersEnd > total) return false;
  size = static_cast<uint32_t>(total);
  return true;
}

bool LayOutImage(ByteView input, const ImageHeaders& headers, ByteView image) {
  if (!input.Contains(0, headers.headersEnd) || !image.Contains(0, headers.headersEnd)) return false;
  std::memcpy(image.Data(), input.Data(), headers.headersEnd);
  for (uint32_t i = 0; i < headers.sectionCount; ++i) {
    const SectionHeader section = ReadSection(input, headers, i);
    if (section.sizeOfRawData == 0 || section.virtualAddress == 0) continue;
    // Raw data must come from the input and land inside the image.
    if (!input.Contains(section.pointerToRawData, section.sizeOfRawData)) return false;
    if (!image.Contains(section.virtualAddress, section.sizeOfRawData)) return false;
    std::memcpy(image.Data() + section.virtualAddress, input.Data() + section.pointerToRawData,
                section.sizeOfRawData);
  }
  return true;
}

uint32_t EntryPointOffset(ByteView image) {
  ImageHeaders headers;
  if (!RecogniseHeaders(image, headers)) return 0;
  // An offset outside the image cannot be code of this image.
  return headers.entryPoint < image.Size() ? headers.entryPoint : 0;
}

}  // namespace tzl::pe
