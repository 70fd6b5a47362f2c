// The skin engine: a DLL that the program carries and maps from memory.
// SkinH_AttachRes takes a skin (skin_format.h), shifts its colours and
// gives every window of the calling thread the skin's look.
#include <windows.h>

#include <cstdint>

#include "skin/engine/skin_state.h"
#include "skin/engine/window_skinning.h"
#include "skin/skin_format.h"

namespace {

// What the last attach was given, for a caller that wants to check the
// hand-over.
struct AttachRecord {
  uint32_t size = 0;
  const char* password = nullptr;
};
AttachRecord g_lastAttach;

}  // namespace

// Our skins are not encrypted, so the password is not needed; it is only
// recorded. Returns 1 when the skin was read and attached, 0 otherwise.
extern "C" int WINAPI SkinH_AttachRes(const uint8_t* skin, uint32_t size, const char* password, int hue,
                                      int saturation, int brightness) {
  g_lastAttach.size = size;
  g_lastAttach.password = password;
  tzl::skin::SkinPalette palette;
  if (!tzl::skin::ParseSkin(skin, size, palette)) return 0;
  tzl::skin::UseSkin(tzl::skin::ShiftPalette(palette, hue, saturation, brightness));
  tzl::skin::SkinThreadWindows();
  tzl::skin::RedrawThreadWindows();
  return 1;
}

extern "C" int WINAPI SkinH_AttachInfo(uint32_t* size, const char** password) {
  if (size != nullptr) *size = g_lastAttach.size;
  if (password != nullptr) *password = g_lastAttach.password;
  return 1;
}

// Mapped from memory the engine is never told about threads, and its
// module handle is not a real one; it needs neither.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_DETACH) tzl::skin::UnskinThreadWindows();
  return TRUE;
}
