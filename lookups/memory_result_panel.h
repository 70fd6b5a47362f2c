// A ResultPanel held in memory, for the tests and the command-line tool.
// Every call locks, so jobs on several threads may write at once and a
// reader may take copies at any time. It starts as the main window's form
// does: 379 x 444, the price list at top 545 with height 0, the detail list
// with its fourteen caption rows, the labels empty at their design widths.
#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "lookups/result_panel.h"

namespace tzl {

class MemoryResultPanel : public ResultPanel {
 public:
  explicit MemoryResultPanel(const Text& query = Text());

  struct Row {
    std::vector<Text> cells;
    int image = -1;
  };

  std::vector<Row> Rows(ResultList list);
  // The bytes of each picture in the current image list, by index.
  std::vector<std::string> Pictures(ResultList list);
  int PictureWidth(ResultList list);
  int PictureHeight(ResultList list);

  Text QueryText() override;
  void SetQueryText(const Text& text) override;
  Text LabelText(ResultLabel label) override;
  void SetLabelText(ResultLabel label, const Text& text) override;
  int LabelWidth(ResultLabel label) override;
  void SetLabelWidth(ResultLabel label, int width) override;
  void DeleteAllRows(ResultList list) override;
  int AppendRow(ResultList list) override;
  Text CellText(ResultList list, int row, int column) override;
  void SetCellText(ResultList list, int row, int column, const Text& text) override;
  void SetCellImage(ResultList list, int row, int imageIndex) override;
  void ResetImageList(ResultList list, int width, int height) override;
  // Accepts PNG, GIF, JPEG and BMP by their signatures and keeps the bytes
  // as they are (decoding and stretching are the window's); -1 otherwise.
  int AddPicture(ResultList list, const std::string& pictureBytes) override;
  int WindowWidth() override;
  void SetWindowWidth(int width) override;
  int WindowHeight() override;
  void SetWindowHeight(int height) override;
  int ListTop(ResultList list) override;
  void SetListTop(ResultList list, int top) override;
  int ListHeight(ResultList list) override;
  void SetListHeight(ResultList list, int height) override;

 private:
  struct List {
    size_t columns = 0;
    std::vector<Row> rows;
    std::vector<std::string> pictures;
    int pictureWidth = 0, pictureHeight = 0;
    int top = 0, height = 0;
  };

  List& ListOf(ResultList list);
  // The cell, or nullptr when the row or column does not exist.
  Text* Cell(ResultList list, int row, int column);
  static bool IsLabel(ResultLabel label);

  std::mutex mutex_;
  Text query_;
  Text labelTexts_[kResultLabelCount];
  int labelWidths_[kResultLabelCount];
  List priceHistory_, details_;
  int windowWidth_, windowHeight_;
};

}  // namespace tzl
