#include "remote_window.h"

#include <commctrl.h>

#include <vector>

#include "gui/gdiplus_headers.h"
#include "gui/gdiplus_session.h"
#include "gui/wide_text.h"

namespace tzl::test {

namespace {

struct Search {
  DWORD processId;
  const wchar_t* windowClass;
  HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<Search*>(data);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner == search->processId && lstrcmpW(name, search->windowClass) == 0) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND FindProcessWindow(DWORD processId, const wchar_t* windowClass) {
  Search search{processId, windowClass, nullptr};
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Text RemoteWindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return Text();
  std::wstring buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()), SMTO_ABORTIFHUNG,
                      5000, &copied);
  buffer.resize(copied);
  return gui::Narrow(buffer);
}

int RemoteRowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

Text RemoteCellText(HANDLE process, HWND list, int row, int column) {
  constexpr size_t kChars = 512;
  SIZE_T size = sizeof(LVITEMW) + kChars * sizeof(wchar_t);
  auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return Text();
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = reinterpret_cast<wchar_t*>(remote + sizeof(LVITEMW));
  item.cchTextMax = kChars;
  WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
  LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(remote));
  std::wstring text(kChars, L'\0');
  ReadProcessMemory(process, remote + sizeof(LVITEMW), text.data(), kChars * sizeof(wchar_t), nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  text.resize(length > 0 && static_cast<size_t>(length) < kChars ? static_cast<size_t>(length) : 0);
  return gui::Narrow(text);
}

int RemoteCellImage(HANDLE process, HWND list, int row) {
  auto* remote = static_cast<BYTE*>(VirtualAllocEx(process, nullptr, sizeof(LVITEMW), MEM_COMMIT, PAGE_READWRITE));
  if (!remote) return -2;
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
  SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(process, remote, &item, sizeof item, nullptr);
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  return item.iImage;
}

bool SaveWindowPicture(HWND window, const std::wstring& pngPath) {
  gui::StartGdiplusOnce();
  RECT place;
  GetWindowRect(window, &place);
  int width = place.right - place.left, height = place.bottom - place.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, place.left, place.top, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  // The PNG encoder of GDI+.
  const CLSID png = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};
  bool saved = false;
  {
    Gdiplus::Bitmap picture(bitmap, nullptr);
    saved = picture.Save(pngPath.c_str(), &png, nullptr) == Gdiplus::Ok;
  }
  DeleteObject(bitmap);
  return saved;
}

}  // namespace tzl::test
