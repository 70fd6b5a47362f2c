#include "lookups/memory_result_panel.h"

#include "lookups/picture_format.h"

namespace tzl {

namespace {

using Lock = std::lock_guard<std::mutex>;

// Design widths of the labels, in ResultLabel order.
const int kDesignLabelWidths[kResultLabelCount] = {370, 370, 370, 180, 180, 380, 370, 370,
                                                   370, 370, 185, 185, 185, 185, 371};

const char* const kDetailCaptions[] = {
    "百度PC", "百度移动", "搜狗PC", "搜狗移动", "360PC", "360移动", "神马移动", "---------------",
    "ip地址：", "备案/许可证号：", "审核通过日期：", "主办单位名称：", "主办单位性质：", "网站名称：",
};
constexpr int kSeparatorRow = 7;

}  // namespace

MemoryResultPanel::MemoryResultPanel(const Text& query) : query_(query), windowWidth_(379), windowHeight_(444) {
  for (int i = 0; i < kResultLabelCount; ++i) labelWidths_[i] = kDesignLabelWidths[i];
  priceHistory_.columns = 4;
  priceHistory_.top = 545;
  priceHistory_.height = 0;
  details_.columns = 2;
  details_.top = 0;
  details_.height = 444;
  for (const char* caption : kDetailCaptions) details_.rows.push_back(Row{{caption, Text()}, -1});
  details_.rows[kSeparatorRow].cells[1] = kDetailCaptions[kSeparatorRow];
}

MemoryResultPanel::List& MemoryResultPanel::ListOf(ResultList list) {
  return list == ResultList::PriceHistory ? priceHistory_ : details_;
}

bool MemoryResultPanel::IsLabel(ResultLabel label) {
  int index = static_cast<int>(label);
  return index >= 0 && index < kResultLabelCount;
}

Text* MemoryResultPanel::Cell(ResultList list, int row, int column) {
  List& target = ListOf(list);
  if (row < 0 || static_cast<size_t>(row) >= target.rows.size()) return nullptr;
  if (column < 0 || static_cast<size_t>(column) >= target.columns) return nullptr;
  return &target.rows[static_cast<size_t>(row)].cells[static_cast<size_t>(column)];
}

std::vector<MemoryResultPanel::Row> MemoryResultPanel::Rows(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).rows;
}

std::vector<std::string> MemoryResultPanel::Pictures(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).pictures;
}

int MemoryResultPanel::PictureWidth(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).pictureWidth;
}

int MemoryResultPanel::PictureHeight(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).pictureHeight;
}

Text MemoryResultPanel::QueryText() {
  Lock lock(mutex_);
  return query_;
}

void MemoryResultPanel::SetQueryText(const Text& text) {
  Lock lock(mutex_);
  query_ = text;
}

Text MemoryResultPanel::LabelText(ResultLabel label) {
  Lock lock(mutex_);
  return IsLabel(label) ? labelTexts_[static_cast<int>(label)] : Text();
}

void MemoryResultPanel::SetLabelText(ResultLabel label, const Text& text) {
  Lock lock(mutex_);
  if (IsLabel(label)) labelTexts_[static_cast<int>(label)] = text;
}

int MemoryResultPanel::LabelWidth(ResultLabel label) {
  Lock lock(mutex_);
  return IsLabel(label) ? labelWidths_[static_cast<int>(label)] : 0;
}

void MemoryResultPanel::SetLabelWidth(ResultLabel label, int width) {
  Lock lock(mutex_);
  if (IsLabel(label)) labelWidths_[static_cast<int>(label)] = width;
}

void MemoryResultPanel::DeleteAllRows(ResultList list) {
  Lock lock(mutex_);
  ListOf(list).rows.clear();
}

int MemoryResultPanel::AppendRow(ResultList list) {
  Lock lock(mutex_);
  List& target = ListOf(list);
  target.rows.push_back(Row{std::vector<Text>(target.columns), -1});
  return static_cast<int>(target.rows.size()) - 1;
}

Text MemoryResultPanel::CellText(ResultList list, int row, int column) {
  Lock lock(mutex_);
  Text* cell = Cell(list, row, column);
  return cell ? *cell : Text();
}

void MemoryResultPanel::SetCellText(ResultList list, int row, int column, const Text& text) {
  Lock lock(mutex_);
  if (Text* cell = Cell(list, row, column)) *cell = text;
}

void MemoryResultPanel::SetCellImage(ResultList list, int row, int imageIndex) {
  Lock lock(mutex_);
  List& target = ListOf(list);
  if (row >= 0 && static_cast<size_t>(row) < target.rows.size()) target.rows[static_cast<size_t>(row)].image = imageIndex;
}

void MemoryResultPanel::ResetImageList(ResultList list, int width, int height) {
  Lock lock(mutex_);
  List& target = ListOf(list);
  target.pictures.clear();
  target.pictureWidth = width;
  target.pictureHeight = height;
}

int MemoryResultPanel::AddPicture(ResultList list, const std::string& pictureBytes) {
  if (RecognisePicture(pictureBytes) == PictureFormat::None) return -1;
  Lock lock(mutex_);
  List& target = ListOf(list);
  target.pictures.push_back(pictureBytes);
  return static_cast<int>(target.pictures.size()) - 1;
}

int MemoryResultPanel::WindowWidth() {
  Lock lock(mutex_);
  return windowWidth_;
}

void MemoryResultPanel::SetWindowWidth(int width) {
  Lock lock(mutex_);
  windowWidth_ = width;
}

int MemoryResultPanel::WindowHeight() {
  Lock lock(mutex_);
  return windowHeight_;
}

void MemoryResultPanel::SetWindowHeight(int height) {
  Lock lock(mutex_);
  windowHeight_ = height;
}

int MemoryResultPanel::ListTop(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).top;
}

void MemoryResultPanel::SetListTop(ResultList list, int top) {
  Lock lock(mutex_);
  ListOf(list).top = top;
}

int MemoryResultPanel::ListHeight(ResultList list) {
  Lock lock(mutex_);
  return ListOf(list).height;
}

void MemoryResultPanel::SetListHeight(ResultList list, int height) {
  Lock lock(mutex_);
  ListOf(list).height = height;
}

}  // namespace tzl
