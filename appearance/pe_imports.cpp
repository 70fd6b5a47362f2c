#include <cstdio>

#include "appearance/pe_image.h"

namespace tzl::pe {

namespace {

constexpr uint32_t kDescriptorSize = 20;
constexpr uint32_t kByOrdinal = 0x80000000u;

Address ResolveOne(ByteView image, const ImportBinding& binding, LibraryHandle library, const char* dllName,
                   uint32_t slotValue) {
  char ordinalText[8];
  const char* name = nullptr;
  uint16_t ordinal = 0;
  const bool byOrdinal = (slotValue & kByOrdinal) != 0;
  if (byOrdinal) {
    ordinal = static_cast<uint16_t>(slotValue & 0xFFFFu);
    std::snprintf(ordinalText, sizeof ordinalText, "%u", unsigned{ordinal});
    name = ordinalText;
  } else {
    // The name follows a 2-byte hint; it must end inside the image.
    name = image.TextAt(uint64_t{slotValue} + 2);
    if (name == nullptr) return 0;
  }
  Address address = 0;
  if (binding.resolver != 0) {
    address = binding.platform->CallResolver(binding.resolver, dllName, name, binding.resolverValue);
  }
  if (address == 0) {
    address = byOrdinal ? binding.platform->GetProcAddress(library, ordinal)
                        : binding.platform->GetProcAddress(library, name);
  }
  return address;
}

}  // namespace

bool BindImports(ByteView image, const ImageHeaders& headers, const ImportBinding& binding) {
  uint64_t position = headers.directories[kImportDirectory].virtualAddress;
  if (position == 0) return true;
  // Every descriptor, DLL name, slot and import name is read only after it
  // is known to lie inside the image; each loop advances through the image,
  // so a list without its end fails at the image's end instead of running on.
  for (;; position += kDescriptorSize) {
    if (!image.Contains(position, kDescriptorSize)) return false;
    uint32_t nameOffset = 0;
    uint32_t firstThunk = 0;
    image.Read32(position + 12, nameOffset);
    image.Read32(position + 16, firstThunk);
    if (firstThunk == 0) return true;
    const char* dllName = image.TextAt(nameOffset);
    if (dllName == nullptr) return false;
    const LibraryHandle library = binding.platform->LoadDll(dllName);
    // The names are read from the import address table's slots themselves,
    // which are then overwritten with the bound addresses.
    for (uint64_t slot = firstThunk;; slot += 4) {
      uint32_t value = 0;
      if (!image.Read32(slot, value)) return false;
      if (value == 0) break;
      const Address address = ResolveOne(image, binding, library, dllName, value);
      if (address == 0) return false;
      image.Write32(slot, address);
    }
  }
}

}  // namespace tzl::pe
