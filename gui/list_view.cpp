#include "gui/list_view.h"

#include <commctrl.h>

#include <string>

#include "gui/wide_text.h"

namespace tzl::gui {

void AddListColumns(HWND list, const std::vector<ColumnDesign>& columns) {
  int index = 0;
  for (const ColumnDesign& design : columns) {
    std::wstring title = Wide(design.title);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = design.width;
    column.pszText = title.data();
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
    ++index;
  }
}

int AppendListRow(HWND list) {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = ListRowCount(list);
  item.iImage = -1;
  wchar_t empty[1] = {L'\0'};
  item.pszText = empty;
  return static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

int ListRowCount(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

void DeleteAllListRows(HWND list) { SendMessageW(list, LVM_DELETEALLITEMS, 0, 0); }

Text ListCellText(HWND list, int row, int column) {
  if (row < 0 || column < 0 || row >= ListRowCount(list)) return Text();
  std::wstring buffer(1024, L'\0');
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer.data();
  item.cchTextMax = static_cast<int>(buffer.size());
  LRESULT length = SendMessageW(list, LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
  buffer.resize(length > 0 ? static_cast<size_t>(length) : 0);
  return Narrow(buffer);
}

void SetListCellText(HWND list, int row, int column, const Text& text) {
  if (row < 0 || column < 0 || row >= ListRowCount(list)) return;
  std::wstring wide = Wide(text);
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = wide.data();
  SendMessageW(list, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
}

void SetListCellImage(HWND list, int row, int imageIndex) {
  if (row < 0 || row >= ListRowCount(list)) return;
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  item.iImage = imageIndex < 0 ? I_IMAGENONE : imageIndex;
  SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

int ListCellImage(HWND list, int row) {
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = row;
  if (!SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item))) return -1;
  return item.iImage < 0 ? -1 : item.iImage;
}

}  // namespace tzl::gui
