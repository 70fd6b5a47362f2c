#include "appearance/skin_attachment.h"

#include "appearance/call_address.h"
#include "appearance/window_shadow.h"
#include "embedded/SkinData.h"
#include "embedded/SkinEngineImage.h"

namespace tzl {

namespace {

InMemoryLibrary* g_engine = nullptr;

uint32_t AddressOf(const void* pointer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(pointer)); }

}  // namespace

InMemoryLibrary& EngineObject() {
  // Asked for before start-up made it, the object is made then, so the
  // answer is always a real object.
  if (g_engine == nullptr) CreateEngineObject();
  return *g_engine;
}

void CreateEngineObject() {
  if (g_engine == nullptr) g_engine = new InMemoryLibrary();
}

void ReleaseEngineObject() {
  delete g_engine;
  g_engine = nullptr;
}

void LoadSkinEngine() { EngineObject().Load(SkinEngineImage, sizeof SkinEngineImage); }

uint32_t ApplyWindowAppearance(HWND window, int hue, int saturation, int brightness, bool shadow,
                               std::optional<COLORREF> shadowColour, std::optional<int> shadowSize) {
  if (shadow) {
    StartGdiplus();
    SetWindowShadow(window, shadowColour.value_or(RGB(120, 120, 120)), shadowSize.value_or(4));
  }
  const Address attach = EngineObject().FindExport("SkinH_AttachRes");
  // Address 0 is no routine: without the engine there is nothing to call.
  if (attach == 0) return 0;
  const char* password = nullptr;  // the skin has no password
  return CallAddress(attach, AddressOf(SkinData), sizeof SkinData, AddressOf(password), static_cast<uint32_t>(hue),
                     static_cast<uint32_t>(saturation), static_cast<uint32_t>(brightness));
}

}  // namespace tzl
