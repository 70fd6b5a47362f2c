// A 32-bit address space simulated in ordinary memory, with library
// services supplied by hooks. It lets the loader map images on a machine
// that cannot run them: addresses are numbers below 4 GiB, each reserved
// range backed by a zero-filled buffer.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "appearance/loader_platform.h"

namespace tzl {

class SimulatedLoaderPlatform : public LoaderPlatform {
 public:
  // Reservations fail once they would hold more than `limit` bytes in all.
  explicit SimulatedLoaderPlatform(uint64_t limit = 64u << 20);

  MappedRegion Reserve(Address preferred, uint32_t size) override;
  bool Release(Address address) override;
  LibraryHandle LoadDll(const char* name) override;
  Address GetProcAddress(LibraryHandle library, const char* name) override;
  Address GetProcAddress(LibraryHandle library, uint16_t ordinal) override;
  uint32_t CallEntry(Address entry, uint32_t reason) override;
  Address CallResolver(Address resolver, const char* dllName, const char* functionName, uint32_t value) override;

  // Takes a range without backing it, as another module would.
  void Occupy(Address address, uint32_t size);
  // The bytes of the reserved region that starts at `address`, or nullptr.
  uint8_t* RegionBytes(Address address);
  size_t ReservedRegionCount() const;

  // Library services; left empty, no library loads, no routine is found,
  // every entry point accepts and no resolver binds anything.
  std::function<LibraryHandle(const char* name)> loadLibrary;
  std::function<Address(LibraryHandle, const char* name)> procByName;
  std::function<Address(LibraryHandle, uint16_t ordinal)> procByOrdinal;
  std::function<uint32_t(Address entry, uint32_t reason)> callEntry;
  std::function<Address(Address resolver, const char* dllName, const char* functionName, uint32_t value)>
      callResolver;

 private:
  struct Region {
    uint32_t size = 0;
    std::vector<uint8_t> bytes;  // empty for an occupied range
  };
  bool IsFree(uint64_t address, uint64_t size) const;
  Address FindFree(uint32_t size) const;

  uint64_t limit_;
  uint64_t reservedBytes_ = 0;
  std::map<Address, Region> regions_;
};

}  // namespace tzl
