#include "appearance/simulated_loader_platform.h"

#include <new>

namespace tzl {

namespace {
constexpr uint64_t kAddressSpaceEnd = uint64_t{1} << 32;
// Nothing is placed in the lowest 16 MiB, so that a null or small
// offset mistaken for an address never hits a region.
constexpr uint64_t kLowestAddress = 0x01000000;
constexpr uint64_t kGranularity = 0x10000;
}  // namespace

SimulatedLoaderPlatform::SimulatedLoaderPlatform(uint64_t limit) : limit_(limit) {}

bool SimulatedLoaderPlatform::IsFree(uint64_t address, uint64_t size) const {
  if (address < kLowestAddress || address + size > kAddressSpaceEnd) return false;
  for (const auto& [start, region] : regions_) {
    if (address < uint64_t{start} + region.size && start < address + size) return false;
  }
  return true;
}

Address SimulatedLoaderPlatform::FindFree(uint32_t size) const {
  uint64_t candidate = kLowestAddress;
  for (const auto& [start, region] : regions_) {
    if (candidate + size <= start) break;
    const uint64_t end = uint64_t{start} + region.size;
    if (end > candidate) candidate = (end + kGranularity - 1) / kGranularity * kGranularity;
  }
  return candidate + size <= kAddressSpaceEnd ? static_cast<Address>(candidate) : 0;
}

MappedRegion SimulatedLoaderPlatform::Reserve(Address preferred, uint32_t size) {
  if (size == 0 || reservedBytes_ + size > limit_) return {};
  Address address = preferred;
  if (preferred == 0 || preferred % kGranularity != 0 || !IsFree(preferred, size)) address = FindFree(size);
  if (address == 0) return {};
  Region region;
  region.size = size;
  try {
    region.bytes.assign(size, 0);
  } catch (const std::bad_alloc&) {
    return {};
  }
  reservedBytes_ += size;
  Region& stored = regions_[address] = std::move(region);
  return {address, stored.bytes.data()};
}

bool SimulatedLoaderPlatform::Release(Address address) {
  const auto found = regions_.find(address);
  if (found == regions_.end() || found->second.bytes.empty()) return false;
  reservedBytes_ -= found->second.size;
  regions_.erase(found);
  return true;
}

void SimulatedLoaderPlatform::Occupy(Address address, uint32_t size) {
  Region region;
  region.size = size;
  regions_[address] = std::move(region);
}

uint8_t* SimulatedLoaderPlatform::RegionBytes(Address address) {
  const auto found = regions_.find(address);
  if (found == regions_.end() || found->second.bytes.empty()) return nullptr;
  return found->second.bytes.data();
}

size_t SimulatedLoaderPlatform::ReservedRegionCount() const {
  size_t count = 0;
  for (const auto& entry : regions_) count += entry.second.bytes.empty() ? 0 : 1;
  return count;
}

LibraryHandle SimulatedLoaderPlatform::LoadDll(const char* name) {
  return loadLibrary ? loadLibrary(name) : 0;
}

Address SimulatedLoaderPlatform::GetProcAddress(LibraryHandle library, const char* name) {
  return procByName ? procByName(library, name) : 0;
}

Address SimulatedLoaderPlatform::GetProcAddress(LibraryHandle library, uint16_t ordinal) {
  return procByOrdinal ? procByOrdinal(library, ordinal) : 0;
}

uint32_t SimulatedLoaderPlatform::CallEntry(Address entry, uint32_t reason) {
  return callEntry ? callEntry(entry, reason) : 1;
}

Address SimulatedLoaderPlatform::CallResolver(Address resolver, const char* dllName, const char* functionName,
                                              uint32_t value) {
  return callResolver ? callResolver(resolver, dllName, functionName, value) : 0;
}

}  // namespace tzl
