#include "tests/appearance/pe_builder.h"

#include <cstring>
#include <stdexcept>

namespace tzl::test {

namespace {

void Write16(std::vector<uint8_t>& bytes, size_t at, uint16_t value) { std::memcpy(&bytes[at], &value, 2); }
void Write32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) { std::memcpy(&bytes[at], &value, 4); }

constexpr uint32_t kFileAlignment = 0x200;

uint32_t AlignUp(uint32_t value, uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

}  // namespace

PeBuilder::PeBuilder() { sections.push_back(BuiltSection{}); }

PeBuilder& PeBuilder::Directory(int index, uint32_t rva, uint32_t size) {
  directories_[index][0] = rva;
  directories_[index][1] = size;
  return *this;
}

uint8_t* PeBuilder::DataAt(uint32_t rva, uint32_t length) {
  if (rva < kDataRva) throw std::logic_error("Put* writes only into the data section");
  auto& data = sections.at(0).data;
  const size_t end = rva - kDataRva + length;
  if (data.size() < end) data.resize(end, 0);
  return &data[rva - kDataRva];
}

PeBuilder& PeBuilder::Put16(uint32_t rva, uint16_t value) {
  std::memcpy(DataAt(rva, 2), &value, 2);
  return *this;
}

PeBuilder& PeBuilder::Put32(uint32_t rva, uint32_t value) {
  std::memcpy(DataAt(rva, 4), &value, 4);
  return *this;
}

PeBuilder& PeBuilder::PutText(uint32_t rva, const std::string& text) {
  std::memcpy(DataAt(rva, static_cast<uint32_t>(text.size() + 1)), text.c_str(), text.size() + 1);
  return *this;
}

std::vector<uint8_t> PeBuilder::Build() const {
  const uint32_t headersEnd = HeadersEnd();
  uint32_t rawPosition = AlignUp(headersEnd, kFileAlignment);
  std::vector<uint32_t> rawPointers;
  for (const BuiltSection& section : sections) {
    rawPointers.push_back(section.data.empty() ? 0 : rawPosition);
    rawPosition += AlignUp(static_cast<uint32_t>(section.data.size()), kFileAlignment);
  }
  const bool anyData = rawPosition > AlignUp(headersEnd, kFileAlignment);
  std::vector<uint8_t> bytes(anyData ? rawPosition : headersEnd, 0);

  bytes[0] = 'M';
  bytes[1] = 'Z';
  Write32(bytes, 60, lfanew);
  const size_t nt = lfanew;
  Write32(bytes, nt, signature);
  Write16(bytes, nt + 4, 0x014C);  // i386
  Write16(bytes, nt + 6, static_cast<uint16_t>(sections.size()));
  Write16(bytes, nt + 20, 224);  // SizeOfOptionalHeader
  Write16(bytes, nt + 22, characteristics);
  const size_t optional = nt + 24;
  Write16(bytes, optional, 0x010B);
  Write32(bytes, optional + 16, entryPoint);
  Write32(bytes, optional + 28, imageBase);
  Write32(bytes, optional + 32, sectionAlignment);
  Write32(bytes, optional + 36, kFileAlignment);
  Write32(bytes, optional + 56, sizeOfImage);
  Write32(bytes, optional + 60, AlignUp(headersEnd, kFileAlignment));
  Write32(bytes, optional + 92, 16);
  for (int i = 0; i < 16; ++i) {
    Write32(bytes, optional + 96 + 8 * i, directories_[i][0]);
    Write32(bytes, optional + 96 + 8 * i + 4, directories_[i][1]);
  }
  for (size_t i = 0; i < sections.size(); ++i) {
    const BuiltSection& section = sections[i];
    const size_t header = nt + 248 + 40 * i;
    std::memcpy(&bytes[header], ".data\0\0\0", 8);
    Write32(bytes, header + 8, section.virtualSize);
    Write32(bytes, header + 12, section.virtualAddress);
    const uint32_t rawSize = section.sizeOfRawData != 0 ? section.sizeOfRawData
                                                        : static_cast<uint32_t>(section.data.size());
    Write32(bytes, header + 16, rawSize);
    Write32(bytes, header + 20, section.pointerToRawData != 0 ? section.pointerToRawData : rawPointers[i]);
    if (!section.data.empty()) std::memcpy(&bytes[rawPointers[i]], section.data.data(), section.data.size());
  }
  return bytes;
}

}  // namespace tzl::test
