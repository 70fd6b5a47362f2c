#include "lookups/result_panel.h"

namespace tzl {

const char* ControlName(ResultLabel label) {
  static const char* const kNames[kResultLabelCount] = {
      "sc",   "注册商网址", "注册商",   "更新日期", "注册日期", "到期日期", "邮箱", "电话",
      "注册人", "CXZ",       "百度收录", "搜狗收录", "百度反链", "搜狗反链", "终端",
  };
  int index = static_cast<int>(label);
  return index >= 0 && index < kResultLabelCount ? kNames[index] : "";
}

const char* ControlName(ResultList list) {
  return list == ResultList::PriceHistory ? "超级列表框1" : "超级列表框2";
}

}  // namespace tzl
