// The plain-text report of one name: every field as the window shows it,
// one line each, the price history and the detail panel as aligned tables.
#pragma once

#include <string>
#include <vector>

#include "lookups/memory_result_panel.h"
#include "text/text.h"

namespace tzl {

// Code-page-936 text, lines ending in "\n". `withDetails` adds the detail
// panel's rows.
Text FormatTextReport(MemoryResultPanel& panel, bool withDetails);

// Rows of cells padded to common column widths, two blanks between
// columns, each line indented by `indent`. Widths count bytes, which in
// code page 936 is also the width on a terminal (a double-byte character
// takes two columns).
Text AlignedTable(const std::vector<std::vector<Text>>& rows, const Text& indent);

}  // namespace tzl
