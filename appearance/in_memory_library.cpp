#include "appearance/in_memory_library.h"

#include "appearance/pe_image.h"

namespace tzl {

InMemoryLibrary::InMemoryLibrary(LoaderPlatform& platform) : platform_(platform) {}

InMemoryLibrary::~InMemoryLibrary() = default;

bool InMemoryLibrary::Load(const uint8_t* bytes, size_t length, ImportResolver resolver, uint32_t resolverValue) {
  if (base_ != 0) Unload();
  base_ = 0;
  bytes_ = nullptr;
  size_ = 0;
  if (bytes == nullptr) return false;

  // The input is only ever read through this view.
  const ByteView input(const_cast<uint8_t*>(bytes), length);
  pe::ImageHeaders headers;
  uint32_t size = 0;
  if (!pe::ReadInputHeaders(input, headers) || !pe::MappedSize(input, headers, size)) return false;
  // A DLL's entry point is called right after mapping: it must be code of
  // this image. An offset of 0 means the DLL has no entry point.
  if (headers.IsDll() && headers.entryPoint >= size) return false;

  const MappedRegion region = platform_.Reserve(headers.imageBase, size);
  if (region.address == 0) return false;
  const ByteView image(region.bytes, size);
  const pe::ImportBinding binding{&platform_, resolver, resolverValue};
  if (!pe::LayOutImage(input, headers, image) || !pe::ApplyRelocations(image, headers, region.address) ||
      !pe::BindImports(image, headers, binding)) {
    platform_.Release(region.address);
    return false;
  }
  if (headers.IsDll() && headers.entryPoint != 0) {
    const Address entry = region.address + headers.entryPoint;
    if (platform_.CallEntry(entry, pe::kDllProcessAttach) == 0) {
      platform_.CallEntry(entry, pe::kDllProcessDetach);
      platform_.Release(region.address);
      return false;
    }
  }
  base_ = region.address;
  bytes_ = region.bytes;
  size_ = size;
  return true;
}

bool InMemoryLibrary::Unload() {
  if (base_ == 0) return true;
  const ByteView image(bytes_, size_);
  pe::ImageHeaders headers;
  if (!pe::RecogniseHeaders(image, headers)) return false;
  if (headers.IsDll()) {
    const uint32_t entry = pe::EntryPointOffset(image);
    if (entry != 0) platform_.CallEntry(base_ + entry, pe::kDllProcessDetach);
  }
  if (!platform_.Release(base_)) return false;
  base_ = 0;
  bytes_ = nullptr;
  size_ = 0;
  return true;
}

Address InMemoryLibrary::FindExport(std::string_view name) const {
  if (base_ == 0) return 0;
  const uint32_t offset = pe::FindExportOffset(ByteView(bytes_, size_), name);
  return offset == 0 ? 0 : base_ + offset;
}

Address InMemoryLibrary::EntryPoint() const {
  if (base_ == 0) return 0;
  const uint32_t offset = pe::EntryPointOffset(ByteView(bytes_, size_));
  return offset == 0 ? 0 : base_ + offset;
}

Address InMemoryLibrary::BaseAddress() const { return base_; }

}  // namespace tzl
