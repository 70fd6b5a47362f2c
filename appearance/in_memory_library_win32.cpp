// The process's own memory and libraries behind the loader's platform
// interface. In the 32-bit process an Address is the pointer value itself.
#include <windows.h>

#include "appearance/call_address.h"
#include "appearance/loader_platform.h"

namespace tzl {

namespace {

uint32_t AddressOf(const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); }

class ProcessLoaderPlatform : public LoaderPlatform {
 public:
  MappedRegion Reserve(Address preferred, uint32_t size) override {
    constexpr DWORD kType = MEM_COMMIT | MEM_RESERVE;
    void* memory = VirtualAlloc(reinterpret_cast<void*>(uintptr_t{preferred}), size, kType, PAGE_EXECUTE_READWRITE);
    if (memory == nullptr) memory = VirtualAlloc(nullptr, size, kType, PAGE_EXECUTE_READWRITE);
    if (memory == nullptr) return {};
    return {AddressOf(memory), static_cast<uint8_t*>(memory)};
  }

  bool Release(Address address) override {
    return VirtualFree(reinterpret_cast<void*>(uintptr_t{address}), 0, MEM_RELEASE) != 0;
  }

  LibraryHandle LoadDll(const char* name) override { return AddressOf(LoadLibraryA(name)); }

  Address GetProcAddress(LibraryHandle library, const char* name) override {
    return AddressOf(reinterpret_cast<void*>(::GetProcAddress(Module(library), name)));
  }

  Address GetProcAddress(LibraryHandle library, uint16_t ordinal) override {
    return AddressOf(reinterpret_cast<void*>(::GetProcAddress(Module(library), MAKEINTRESOURCEA(ordinal))));
  }

  uint32_t CallEntry(Address entry, uint32_t reason) override { return CallAddress(entry, 0, reason, 0); }

  Address CallResolver(Address resolver, const char* dllName, const char* functionName, uint32_t value) override {
    return CallAddress(resolver, AddressOf(dllName), AddressOf(functionName), value);
  }

 private:
  static HMODULE Module(LibraryHandle library) { return reinterpret_cast<HMODULE>(uintptr_t{library}); }
};

}  // namespace

LoaderPlatform& DefaultLoaderPlatform() {
  static ProcessLoaderPlatform platform;
  return platform;
}

}  // namespace tzl
