// The lines of the valuation label, cut and worded from the three answers
// (all code-page-936 text).
#pragma once

#include "text/text.h"

namespace tzl {

// "Godaddy保守估值为:" + value + "美元", or "...大于25000美元" at the
// API's upper limit; without "（仅适用于英文域名）".
Text DollarText(const Text& appraisalAnswer);

// "CXZ估值为：" + the CXZ value in 元 or 万元, "CXZ估值为：小于500元", or
// "CXZ无法估值" when the cut ran into markup.
Text YuanText(const Text& cxzPage);

// What stands between "￥" and "元" on the Wanmi page.
Text WanmiPrice(const Text& wanmiPage);

// Meanings of the name on the CXZ page, "，" after each, cut to 40 bytes
// without splitting a character; `firstMeaning` gets the first one.
Text MeaningList(const Text& cxzPage, Text* firstMeaning);

// The whole label: three lines separated by blank lines.
Text ValuationLabel(const Text& dollarText, const Text& yuanText, const Text& wanmiPrice, const Text& meanings);

}  // namespace tzl
