// Report-mode SysListView32 operations on code-page-936 text. Every call
// is a message to the list's window, so it may come from any thread of the
// process: the list's own thread carries it out.
#pragma once

#include <windows.h>

#include "gui/control_design.h"

namespace tzl::gui {

void AddListColumns(HWND list, const std::vector<ColumnDesign>& columns);
int AppendListRow(HWND list);
int ListRowCount(HWND list);
void DeleteAllListRows(HWND list);
Text ListCellText(HWND list, int row, int column);
void SetListCellText(HWND list, int row, int column, const Text& text);
void SetListCellImage(HWND list, int row, int imageIndex);
int ListCellImage(HWND list, int row);

}  // namespace tzl::gui
