#include "cli/text_report.h"

#include <algorithm>

namespace tzl {

namespace {

// The order in which the labels stand in the window, top to bottom.
const ResultLabel kWindowOrder[] = {
    ResultLabel::Registrar,      ResultLabel::RegistrarUrl,   ResultLabel::Updated,    ResultLabel::Created,
    ResultLabel::Expires,        ResultLabel::Email,          ResultLabel::Phone,      ResultLabel::Registrant,
    ResultLabel::DropCatch,      ResultLabel::Valuation,      ResultLabel::SogouBacklinks,
    ResultLabel::BaiduBacklinks, ResultLabel::SogouIndex,     ResultLabel::BaiduIndex, ResultLabel::Companies,
};

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The lines of a label's text without empty ones; a one-line label that
// carries its record line's break shows as one line.
std::vector<Text> VisibleLines(const Text& text) {
  std::vector<Text> lines;
  Text line;
  for (char c : text) {
    if (IsLineBreak(c)) {
      if (!TrimBlanks(line).empty()) lines.push_back(line);
      line.clear();
    } else {
      line.push_back(c);
    }
  }
  if (!TrimBlanks(line).empty()) lines.push_back(line);
  return lines;
}

// Tabs and other control characters a page might hold would break the
// table: they show as blanks.
Text CellText(const Text& text) {
  Text out;
  for (char c : text) out.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
  return TrimBlanks(out);
}

const char* PictureMark(int image) { return image >= 0 ? "[图]" : ""; }

}  // namespace

Text AlignedTable(const std::vector<std::vector<Text>>& rows, const Text& indent) {
  std::vector<size_t> widths;
  for (const std::vector<Text>& row : rows) {
    if (widths.size() < row.size()) widths.resize(row.size(), 0);
    for (size_t i = 0; i < row.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
  }
  Text out;
  for (const std::vector<Text>& row : rows) {
    Text line = indent;
    for (size_t i = 0; i < row.size(); ++i) {
      line += row[i];
      if (i + 1 < row.size()) line += Text(widths[i] - row[i].size() + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out += line + "\n";
  }
  return out;
}

Text FormatTextReport(MemoryResultPanel& panel, bool withDetails) {
  Text out = panel.QueryText() + "\n";
  for (ResultLabel label : kWindowOrder) {
    std::vector<Text> lines = VisibleLines(panel.LabelText(label));
    if (label == ResultLabel::Valuation) {
      for (const Text& line : lines) out += "  " + line + "\n";
      continue;
    }
    if (lines.empty()) continue;
    Text joined;
    for (const Text& line : lines) joined += (joined.empty() ? "" : " ") + TrimBlanks(line);
    out += "  " + joined + "\n";
  }

  std::vector<MemoryResultPanel::Row> trades = panel.Rows(ResultList::PriceHistory);
  if (!trades.empty()) {
    std::vector<std::vector<Text>> table = {{"价格", "类型", "交易时间", "交易平台"}};
    for (const MemoryResultPanel::Row& row : trades) {
      std::vector<Text> cells = {PictureMark(row.image)};
      for (size_t column = 1; column < 4; ++column) {
        cells.push_back(column < row.cells.size() ? CellText(row.cells[column]) : Text());
      }
      table.push_back(cells);
    }
    out += "  价格记录\n" + AlignedTable(table, "    ");
  }

  if (withDetails) {
    std::vector<std::vector<Text>> table = {{"权重-搜索引擎", "", "来路IP"}};
    for (const MemoryResultPanel::Row& row : panel.Rows(ResultList::Details)) {
      table.push_back({row.cells.empty() ? Text() : CellText(row.cells[0]), PictureMark(row.image),
                       row.cells.size() < 2 ? Text() : CellText(row.cells[1])});
    }
    out += "  详细信息\n" + AlignedTable(table, "    ");
  }
  return out;
}

}  // namespace tzl
