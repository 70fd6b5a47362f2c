// Little-endian fields read from and written to a byte range whose every
// access is checked against the range's end. Offsets and lengths are 64-bit
// so that a 32-bit offset plus a 32-bit length never wraps around.
#pragma once

#include <cstdint>
#include <cstring>

namespace tzl {

class ByteView {
 public:
  ByteView() = default;
  ByteView(uint8_t* data, uint64_t size) : data_(data), size_(size) {}

  uint64_t Size() const { return size_; }
  uint8_t* Data() const { return data_; }

  bool Contains(uint64_t offset, uint64_t length) const {
    return offset <= size_ && length <= size_ - offset;
  }

  bool Read16(uint64_t offset, uint16_t& value) const { return Read(offset, &value, sizeof value); }
  bool Read32(uint64_t offset, uint32_t& value) const { return Read(offset, &value, sizeof value); }
  bool Write32(uint64_t offset, uint32_t value) const {
    if (!Contains(offset, sizeof value)) return false;
    std::memcpy(data_ + offset, &value, sizeof value);
    return true;
  }

  // The NUL-terminated text at `offset`, or nullptr when its terminator does
  // not lie inside the range.
  const char* TextAt(uint64_t offset, uint64_t* length = nullptr) const {
    if (offset >= size_) return nullptr;
    const void* end = std::memchr(data_ + offset, 0, size_ - offset);
    if (end == nullptr) return nullptr;
    if (length != nullptr) *length = static_cast<const uint8_t*>(end) - (data_ + offset);
    return reinterpret_cast<const char*>(data_ + offset);
  }

 private:
  bool Read(uint64_t offset, void* value, uint64_t length) const {
    if (!Contains(offset, length)) return false;
    std::memcpy(value, data_ + offset, length);
    return true;
  }

  uint8_t* data_ = nullptr;
  uint64_t size_ = 0;
};

}  // namespace tzl
