#include "app/carried_pictures.h"

namespace tzl::app {

HICON ProgramIcon() {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, 128,
                                       128, LR_DEFAULTCOLOR));
}

std::string TitlePictureBytes() {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(kTitlePictureId), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  if (!resource) return std::string();
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::string();
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, resource));
}

}  // namespace tzl::app
