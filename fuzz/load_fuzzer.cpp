// Hostile bytes through InMemoryLibrary::Load and, when an image maps, the
// export look-up, the entry point and Unload, in a simulated address space
// where every import resolves and every entry point accepts.
#include <cstddef>
#include <cstdint>

#include "appearance/in_memory_library.h"
#include "appearance/simulated_loader_platform.h"

namespace {

tzl::SimulatedLoaderPlatform& Platform() {
  // Small enough that a huge SizeOfImage is refused like a failing VirtualAlloc.
  static tzl::SimulatedLoaderPlatform platform(16u << 20);
  static bool configured = false;
  if (!configured) {
    platform.loadLibrary = [](const char*) { return tzl::LibraryHandle{0x1000}; };
    platform.procByName = [](tzl::LibraryHandle, const char* name) {
      return tzl::Address{0x7F000000u} + static_cast<uint8_t>(name[0]);
    };
    platform.procByOrdinal = [](tzl::LibraryHandle, uint16_t ordinal) { return tzl::Address{0x7E000000u} + ordinal; };
    configured = true;
  }
  return platform;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  tzl::SimulatedLoaderPlatform& platform = Platform();
  tzl::InMemoryLibrary library(platform);
  if (library.Load(data, size, size > 100 ? 0x5000 : 0, 7)) {
    static const char* const kNames[] = {"SkinH_AttachRes", "DllMain", "1", "0", "-1", "65535", ""};
    for (const char* name : kNames) library.FindExport(name);
    library.EntryPoint();
    // An image whose imports or relocations wrote over its own headers is
    // no longer recognised and stays mapped; the harness frees it itself.
    const tzl::Address base = library.BaseAddress();
    if (!library.Unload()) platform.Release(base);
  }
  if (platform.ReservedRegionCount() != 0) __builtin_trap();  // memory left behind
  return 0;
}
