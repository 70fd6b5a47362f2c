// Maps a 32-bit Windows DLL held as bytes in memory: lays out its sections,
// applies its base relocations, binds its imports, runs its entry point and
// finds its exports, without a file and without the system loader.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "appearance/loader_platform.h"

namespace tzl {

// Address of a routine resolver(dllName, functionName, value) -> address,
// called for every import; a result of 0 leaves the import to the system.
// For an import by ordinal, functionName is the ordinal's decimal text.
using ImportResolver = Address;

class InMemoryLibrary {
 public:
  explicit InMemoryLibrary(LoaderPlatform& platform = DefaultLoaderPlatform());
  InMemoryLibrary(const InMemoryLibrary&) = delete;
  InMemoryLibrary& operator=(const InMemoryLibrary&) = delete;

  // Leaves a mapped image alone: it stays mapped and is not notified, so it
  // lives until the process ends.
  virtual ~InMemoryLibrary();

  // Unloads a held image first. True when the object now holds the image;
  // on false the object is empty and nothing reserved stays reserved.
  virtual bool Load(const uint8_t* bytes, size_t length, ImportResolver resolver = 0, uint32_t resolverValue = 0);
  // True when the object holds no image afterwards.
  virtual bool Unload();
  // A name that is the decimal text of its own value ("12") is an ordinal.
  virtual Address FindExport(std::string_view name) const;
  // 0 when the object holds no image or the image has no entry point.
  virtual Address EntryPoint() const;
  virtual Address BaseAddress() const;

 private:
  LoaderPlatform& platform_;
  Address base_ = 0;
  // Where the held image can be read, and how far, so that the look-ups
  // after Load stay inside it too.
  uint8_t* bytes_ = nullptr;
  uint32_t size_ = 0;
};

}  // namespace tzl
