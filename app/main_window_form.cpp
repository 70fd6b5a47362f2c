#include "app/main_window_form.h"

#include <cstring>

#include "gui/form.h"

namespace tzl::app {

namespace {

using gui::ControlKind;
using gui::ControlDesign;
using gui::FontDesign;

constexpr FontDesign kRecordFont{nullptr, 14};  // registration labels, sc, CXZ
constexpr FontDesign kCountFont{nullptr, 15};   // the four counts and 终端

ControlDesign Label(const char* name, int left, int top, int width, int height, FontDesign font = kRecordFont) {
  ControlDesign design = gui::MakeControl(ControlKind::TransparentLabel, name);
  design.text = name;  // a placeholder; the created handler empties it
  design.left = left;
  design.top = top;
  design.width = width;
  design.height = height;
  design.font = font;
  return design;
}

ControlDesign Control(ControlKind kind, const char* name, const char* text, int left, int top, int width, int height) {
  ControlDesign design = gui::MakeControl(kind, name);
  design.text = text;
  design.left = left;
  design.top = top;
  design.width = width;
  design.height = height;
  return design;
}

std::vector<ControlDesign> MakeControls() {
  std::vector<ControlDesign> controls;
  ControlDesign titleStrip = Control(ControlKind::PictureBox, "图片框1", "探址灵", 0, 0, 380, 32);
  titleStrip.font = FontDesign{nullptr, 15};
  controls.push_back(titleStrip);
  ControlDesign close = Control(ControlKind::Button, "按钮3", "X", 348, 0, 32, 32);
  close.parent = "图片框1";
  close.font = FontDesign{"微软雅黑", 21};
  controls.push_back(close);

  ControlDesign query = Control(ControlKind::EditBox, "编辑框1", "", 10, 38, 360, 30);
  query.font = FontDesign{"新宋体", 16};
  controls.push_back(query);
  ControlDesign hint = Label("透明标签1", 11, 68, 285, 20);
  hint.text = "输入之后回车查询 顶部右键保存信息 版本1.10";
  // The design gives the hint no font of its own; at 14 pixels it would
  // not fit its 285 pixels on one line.
  hint.font = FontDesign{nullptr, 12};
  controls.push_back(hint);

  controls.push_back(Label("注册商", 5, 90, 370, 20));
  // 12 pixels at design, which cuts the foot off the 14-pixel characters;
  // 14 reaches no other control (the next label starts at 130).
  controls.push_back(Label("注册商网址", 5, 109, 370, 14));
  controls.push_back(Label("更新日期", 5, 130, 180, 15));
  controls.push_back(Label("注册日期", 5, 153, 180, 15));
  controls.push_back(Label("到期日期", 4, 176, 380, 15));
  ControlDesign more = Control(ControlKind::Button, "按钮1", "m\r\no\r\nr\r\ne", 364, 193, 15, 70);
  // Four lines in 70 pixels: the default button font would crowd them.
  more.font = FontDesign{nullptr, 12};
  controls.push_back(more);
  controls.push_back(Label("邮箱", 5, 199, 370, 15));
  controls.push_back(Label("电话", 5, 222, 370, 15));
  controls.push_back(Label("注册人", 5, 250, 370, 15));
  controls.push_back(Label("sc", 5, 273, 370, 15));
  controls.push_back(Label("CXZ", 5, 293, 370, 75));
  controls.push_back(Label("搜狗反链", 5, 375, 185, 15, kCountFont));
  controls.push_back(Label("百度反链", 194, 375, 185, 15, kCountFont));
  controls.push_back(Label("搜狗收录", 5, 396, 185, 15, kCountFont));
  controls.push_back(Label("百度收录", 194, 396, 185, 15, kCountFont));
  controls.push_back(Label("终端", 5, 419, 371, 15, kCountFont));

  ControlDesign prices = Control(ControlKind::ListView, "超级列表框1", "", 0, 545, 379, 0);
  prices.columns = {{"价格", 85}, {"类型", 76}, {"交易时间", 135}, {"交易平台", 80}};
  controls.push_back(prices);

  ControlDesign details = Control(ControlKind::ListView, "超级列表框2", "", 379, 0, 400, 444);
  details.columns = {{"权重-搜索引擎", 200}, {"来路IP", 200}};
  for (const char* caption : {"百度PC", "百度移动", "搜狗PC", "搜狗移动", "360PC", "360移动", "神马移动"}) {
    details.rows.push_back({caption});
  }
  details.rows.push_back({"---------------", "---------------"});
  for (const char* caption : {"ip地址：", "备案/许可证号：", "审核通过日期：", "主办单位名称：", "主办单位性质：", "网站名称："}) {
    details.rows.push_back({caption});
  }
  controls.push_back(details);

  controls.push_back(Control(ControlKind::Button, "按钮2", "×", 761, -1, 18, 18));
  controls.push_back(Control(ControlKind::Canvas, "画板1", "", 632, 464, 120, 0));
  controls.push_back(Control(ControlKind::Canvas, "画板2", "", 536, 432, 120, 0));
  return controls;
}

}  // namespace

gui::FormDesign MainWindowFormDesign(HICON icon) {
  gui::FormDesign design;
  design.className = "TzlMainWindow";
  design.title = "探址灵";
  design.width = 379;
  design.height = 444;
  design.topmost = true;
  design.taskbarButton = true;
  design.centreOnScreen = true;
  design.dragByFreeArea = true;
  design.outline = true;
  design.background = RGB(246, 248, 251);
  design.icon = icon;
  return design;
}

const std::vector<gui::ControlDesign>& MainWindowControls() {
  static const std::vector<gui::ControlDesign> controls = MakeControls();
  return controls;
}

int MainWindowControlId(const char* name) {
  const std::vector<gui::ControlDesign>& controls = MainWindowControls();
  for (size_t i = 0; i < controls.size(); ++i) {
    if (std::strcmp(controls[i].name, name) == 0) return gui::kFirstControlId + static_cast<int>(i);
  }
  return 0;
}

}  // namespace tzl::app
