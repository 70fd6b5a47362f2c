#include "appearance/pe_image.h"

namespace tzl::pe {

namespace {
constexpr uint32_t kBlockHeaderSize = 8;
constexpr uint16_t kHighLow = 3;
}  // namespace

bool ApplyRelocations(ByteView image, const ImageHeaders& headers, Address base) {
  if (headers.directories[kRelocationDirectory].size == 0) return true;
  // Unsigned wrap-around gives the right delta for a base below ImageBase.
  const uint32_t delta = base - headers.imageBase;
  uint64_t position = headers.directories[kRelocationDirectory].virtualAddress;
  for (;;) {
    // The walk ends at a zero block address; a list of blocks that fills the
    // image to its very end ends there too.
    if (position == image.Size()) return true;
    uint32_t blockAddress = 0;
    uint32_t blockSize = 0;
    if (!image.Read32(position, blockAddress) || !image.Read32(position + 4, blockSize)) return false;
    if (blockAddress == 0) return true;
    // A block shorter than its header would never advance the walk.
    if (blockSize < kBlockHeaderSize || !image.Contains(position, blockSize)) return false;
    const uint32_t entries = (blockSize - kBlockHeaderSize) / 2;
    for (uint32_t i = 0; i < entries; ++i) {
      uint16_t entry = 0;
      image.Read16(position + kBlockHeaderSize + 2 * i, entry);
      if ((entry >> 12) != kHighLow) continue;
      const uint64_t target = uint64_t{blockAddress} + (entry & 0x0FFFu);
      uint32_t value = 0;
      // A fix-up outside the image would write into someone else's memory.
      if (!image.Read32(target, value)) return false;
      image.Write32(target, value + delta);
    }
    position += blockSize;
  }
}

}  // namespace tzl::pe
