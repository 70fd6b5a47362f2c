// ResultPanel: the result fields the lookup jobs write. The main window
// implements it with its controls; the tests and the command-line tool use
// the in-memory panel. Each field has exactly one writing job, so an
// implementation needs no lock between fields, but every call may come from
// any job thread.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

// In the order in which ClearResultPanel empties them.
enum class ResultLabel {
  DropCatch,       // sc
  RegistrarUrl,    // 注册商网址
  Registrar,       // 注册商
  Updated,         // 更新日期
  Created,         // 注册日期
  Expires,         // 到期日期
  Email,           // 邮箱
  Phone,           // 电话
  Registrant,      // 注册人
  Valuation,       // CXZ
  BaiduIndex,      // 百度收录
  SogouIndex,      // 搜狗收录
  BaiduBacklinks,  // 百度反链
  SogouBacklinks,  // 搜狗反链
  Companies,       // 终端
};
constexpr int kResultLabelCount = 15;

enum class ResultList {
  PriceHistory,  // 超级列表框1
  Details,       // 超级列表框2
};

// The control name of a label or list on the main window's form
// (code-page-936 text), e.g. "注册商".
const char* ControlName(ResultLabel label);
const char* ControlName(ResultList list);

class ResultPanel {
 public:
  virtual ~ResultPanel() = default;

  // The query box 编辑框1.
  virtual Text QueryText() = 0;
  virtual void SetQueryText(const Text& text) = 0;

  virtual Text LabelText(ResultLabel label) = 0;
  virtual void SetLabelText(ResultLabel label, const Text& text) = 0;
  virtual int LabelWidth(ResultLabel label) = 0;
  virtual void SetLabelWidth(ResultLabel label, int width) = 0;

  virtual void DeleteAllRows(ResultList list) = 0;
  // Appends an empty row; returns its index.
  virtual int AppendRow(ResultList list) = 0;
  virtual Text CellText(ResultList list, int row, int column) = 0;
  virtual void SetCellText(ResultList list, int row, int column, const Text& text) = 0;
  // The image of a row's first cell; -1 shows no image.
  virtual void SetCellImage(ResultList list, int row, int imageIndex) = 0;

  // Gives the list a new, empty image list for pictures of width x height.
  virtual void ResetImageList(ResultList list, int width, int height) = 0;
  // Decodes picture bytes (PNG, GIF, JPEG, BMP), stretches the picture to
  // the image list's size, adds it with its top-left pixel's colour as the
  // transparent colour and returns the new image's index; -1 when the
  // bytes are no picture.
  virtual int AddPicture(ResultList list, const std::string& pictureBytes) = 0;

  virtual int WindowWidth() = 0;
  virtual void SetWindowWidth(int width) = 0;
  virtual int WindowHeight() = 0;
  virtual void SetWindowHeight(int height) = 0;
  virtual int ListTop(ResultList list) = 0;
  virtual void SetListTop(ResultList list, int top) = 0;
  virtual int ListHeight(ResultList list) = 0;
  virtual void SetListHeight(ResultList list, int height) = 0;
};

}  // namespace tzl
