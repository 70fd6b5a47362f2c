// Builds small PE32 images as bytes, so the loader's steps can be tried on
// exactly the structures a test needs, well formed or broken.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tzl::test {

struct BuiltSection {
  uint32_t virtualAddress = 0x1000;
  uint32_t virtualSize = 0x1000;
  std::vector<uint8_t> data;  // the raw data
  // Overrides for broken images; 0 means "what the data gives".
  uint32_t sizeOfRawData = 0;
  uint32_t pointerToRawData = 0;
};

class PeBuilder {
 public:
  static constexpr uint32_t kDataRva = 0x1000;  // where Put* writes

  PeBuilder();

  uint16_t characteristics = 0x2102;  // executable image, 32-bit machine, DLL
  uint32_t imageBase = 0x10000000;
  uint32_t sectionAlignment = 0x1000;
  uint32_t sizeOfImage = 0x3000;
  uint32_t entryPoint = 0;
  uint32_t lfanew = 64;
  uint32_t signature = 0x4550;
  std::vector<BuiltSection> sections;  // sections[0] is the data section at kDataRva

  PeBuilder& Directory(int index, uint32_t rva, uint32_t size);
  // Writers into the data section, at an image offset (RVA); it grows.
  PeBuilder& Put16(uint32_t rva, uint16_t value);
  PeBuilder& Put32(uint32_t rva, uint32_t value);
  PeBuilder& PutText(uint32_t rva, const std::string& text);  // with its zero byte

  std::vector<uint8_t> Build() const;
  // The length of the headers up to the end of the section table.
  uint32_t HeadersEnd() const { return lfanew + 248 + 40 * static_cast<uint32_t>(sections.size()); }

 private:
  uint8_t* DataAt(uint32_t rva, uint32_t length);
  uint32_t directories_[16][2] = {};
};

}  // namespace tzl::test
