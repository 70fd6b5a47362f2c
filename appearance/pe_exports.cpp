#include <cstdio>
#include <cstdlib>
#include <string>

#include "appearance/pe_image.h"

namespace tzl::pe {

namespace {

constexpr uint32_t kExportDirectorySize = 40;

struct ExportDirectory {
  uint32_t base = 0;
  uint32_t numberOfFunctions = 0;
  uint32_t numberOfNames = 0;
  uint32_t addressOfFunctions = 0;
  uint32_t addressOfNames = 0;
  uint32_t addressOfNameOrdinals = 0;
};

// A name is an ordinal when it is the decimal text of its own integer value:
// "12" and "-3" are, "012", "+12" and "12a" are not.
bool ParseOrdinalText(std::string_view name, int64_t& number) {
  if (name.empty() || name.size() > 11) return false;
  const std::string text(name);
  char* end = nullptr;
  const long long value = std::strtoll(text.c_str(), &end, 10);
  if (value < INT32_MIN || value > INT32_MAX) return false;
  char back[16];
  std::snprintf(back, sizeof back, "%lld", value);
  if (text != back) return false;
  number = value;
  return true;
}

// The function table's entry at `index`, 0 when it lies outside the table
// or the image or points outside the image.
uint32_t FunctionAt(ByteView image, const ExportDirectory& directory, uint64_t index) {
  if (index >= directory.numberOfFunctions) return 0;
  uint32_t offset = 0;
  if (!image.Read32(uint64_t{directory.addressOfFunctions} + 4 * index, offset)) return 0;
  return offset < image.Size() ? offset : 0;
}

uint32_t FindByName(ByteView image, const ExportDirectory& directory, std::string_view name) {
  if (directory.numberOfNames == 0) return 0;
  uint32_t firstName = 0;
  if (!image.Read32(directory.addressOfNames, firstName)) return 0;
  // The names are walked as consecutive texts from the first one; the other
  // name pointers are not read.
  uint64_t position = firstName;
  for (uint32_t i = 0; i < directory.numberOfNames; ++i) {
    uint16_t index = 0;
    uint64_t length = 0;
    const char* text = image.TextAt(position, &length);
    if (text == nullptr || !image.Read16(uint64_t{directory.addressOfNameOrdinals} + 2 * uint64_t{i}, index)) {
      return 0;
    }
    if (std::string_view(text, length) == name) {
      const uint32_t offset = FunctionAt(image, directory, index);
      if (offset != 0) return offset;
    }
    position += length + 1;
  }
  return 0;
}

}  // namespace

uint32_t FindExportOffset(ByteView image, std::string_view name) {
  ImageHeaders headers;
  if (!RecogniseHeaders(image, headers)) return 0;
  const DataDirectory& exports = headers.directories[kExportDirectory];
  if (exports.size == 0 || !image.Contains(exports.virtualAddress, kExportDirectorySize)) return 0;

  ExportDirectory directory;
  image.Read32(uint64_t{exports.virtualAddress} + 16, directory.base);
  image.Read32(uint64_t{exports.virtualAddress} + 20, directory.numberOfFunctions);
  image.Read32(uint64_t{exports.virtualAddress} + 24, directory.numberOfNames);
  image.Read32(uint64_t{exports.virtualAddress} + 28, directory.addressOfFunctions);
  image.Read32(uint64_t{exports.virtualAddress} + 32, directory.addressOfNames);
  image.Read32(uint64_t{exports.virtualAddress} + 36, directory.addressOfNameOrdinals);

  int64_t number = 0;
  if (ParseOrdinalText(name, number)) {
    const int64_t index = number - int64_t{directory.base};
    return index < 0 ? 0 : FunctionAt(image, directory, static_cast<uint64_t>(index));
  }
  return FindByName(image, directory, name);
}

}  // namespace tzl::pe
