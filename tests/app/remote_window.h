// Reading and driving the windows of another process with the standard
// messages only, as a screen reader or a test robot does.
#pragma once

#include <windows.h>

#include <string>

#include "text/text.h"

namespace tzl::test {

// The first visible-or-not top-level window of `processId` with this class.
HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass);

Text RemoteWindowText(HWND window);
int RemoteRowCount(HWND list);
// LVM_GETITEMTEXTW through memory placed in the list's process.
Text RemoteCellText(HANDLE process, HWND list, int row, int column);
int RemoteCellImage(HANDLE process, HWND list, int row);

// The window's on-screen pixels as a PNG file (GDI+).
bool SaveWindowPicture(HWND window, const std::wstring& pngPath);

}  // namespace tzl::test
