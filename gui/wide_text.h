// The program's code-page-936 text on the wide (UTF-16) Windows interfaces.
// Conversions go through code page 936 explicitly, never through the
// system's ANSI page, so Chinese reads correctly whatever the locale.
#pragma once

#include <windows.h>

#include <string>

#include "text/text.h"

namespace tzl::gui {

std::wstring Wide(const Text& text);
Text Narrow(const std::wstring& text);

// The window text of any window (also one of another thread), as
// code-page-936 text.
Text WindowTextOf(HWND window);
void SetWindowTextOf(HWND window, const Text& text);

}  // namespace tzl::gui
