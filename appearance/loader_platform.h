// The operating-system services the in-memory loader needs, behind one
// interface so the image handling can run on a simulated address space as
// well as on the process's own memory.
#pragma once

#include <cstdint>

namespace tzl {

// A 32-bit address. In the Windows build it is the pointer value itself; in
// a simulated address space it is an offset that the platform translates.
using Address = uint32_t;
using LibraryHandle = uint32_t;

struct MappedRegion {
  Address address = 0;       // 0: nothing was reserved
  uint8_t* bytes = nullptr;  // where the loader reads and writes the region
};

class LoaderPlatform {
 public:
  virtual ~LoaderPlatform() = default;

  // Reserves and commits `size` zero-filled, executable and writable bytes
  // at `preferred`, or anywhere when `preferred` is 0 or taken.
  virtual MappedRegion Reserve(Address preferred, uint32_t size) = 0;
  virtual bool Release(Address address) = 0;

  // LoadLibraryA: a name clash with its macro keeps the member name apart.
  virtual LibraryHandle LoadDll(const char* name) = 0;
  virtual Address GetProcAddress(LibraryHandle library, const char* name) = 0;
  virtual Address GetProcAddress(LibraryHandle library, uint16_t ordinal) = 0;

  // entry(0, reason, 0), as an image's DllMain expects to be called.
  virtual uint32_t CallEntry(Address entry, uint32_t reason) = 0;
  // resolver(dllName, functionName, value): both texts are NUL-terminated;
  // the DLL name lies inside the mapped image.
  virtual Address CallResolver(Address resolver, const char* dllName, const char* functionName,
                               uint32_t value) = 0;
};

// The process's own services in the Windows build; a simulated address
// space without libraries natively.
LoaderPlatform& DefaultLoaderPlatform();

}  // namespace tzl
