// Hands the carried skin to the carried skin engine: the engine's DLL is
// mapped from memory at start-up, and when the main window exists it gets
// its drop shadow and the skin. Windows build.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "appearance/in_memory_library.h"

namespace tzl {

InMemoryLibrary& EngineObject();  // the one engine object
void CreateEngineObject();        // start-up, before LoadSkinEngine
void ReleaseEngineObject();       // exit: frees the object only, the image stays mapped

// Maps the carried engine into the engine object; a failure leaves the
// program unskinned and is not reported.
void LoadSkinEngine();

// Attaches the shadow first (when asked: colour RGB(120, 120, 120) and size
// 4 unless given), then hands the skin to the engine's SkinH_AttachRes and
// returns its result. When the engine has no such export, nothing is called
// and the result is 0.
uint32_t ApplyWindowAppearance(HWND window, int hue = 0, int saturation = 0, int brightness = 0, bool shadow = false,
                               std::optional<COLORREF> shadowColour = std::nullopt,
                               std::optional<int> shadowSize = std::nullopt);

}  // namespace tzl
