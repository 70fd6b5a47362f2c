#include "lookups/valuation_texts.h"

#include "lookups/lookup_patterns.h"
#include "text/regex_matcher.h"

namespace tzl {

namespace {

constexpr size_t kMeaningListBytes = 40;
constexpr size_t kTenThousandDigits = 4;

// True when byte `pos` starts a character (is not the second byte of one).
bool IsCharacterBoundary(const Text& text, size_t pos) {
  size_t at = 0;
  while (at < pos) at += CharLengthAt(text, at);
  return at == pos;
}

}  // namespace

Text DollarText(const Text& appraisalAnswer) {
  Text value = TextBetween(appraisalAnswer, "govalue\":", ",\"govalue_limits");
  // Some answers list the limits before the value.
  if (value.empty()) value = TextBetween(appraisalAnswer, "\"govalue_limits\":[100,25000],\"govalue\":", "}");
  if (value == "25000") return "Godaddy保守估值为:大于25000美元";
  return "Godaddy保守估值为:" + value + "美元";
}

Text YuanText(const Text& cxzPage) {
  Text value = TextBetween(cxzPage, "￥", "元");
  Text text;
  if (ContainsText(value, "万") || value.size() <= kTenThousandDigits) {
    text = "CXZ估值为：" + value + "元";
  } else {
    size_t split = value.size() - kTenThousandDigits;
    // A point between the two bytes of a character would corrupt it; such
    // a value is no plain number and is shown as it came.
    if (IsCharacterBoundary(value, split))
      text = "CXZ估值为：" + value.substr(0, split) + "." + value.substr(split) + "万元";
    else
      text = "CXZ估值为：" + value + "元";
  }
  if (ContainsText(text, "小")) text = "CXZ估值为：小于500元";
  if (ContainsText(text, ">")) text = "CXZ无法估值";
  return text;
}

Text WanmiPrice(const Text& wanmiPage) { return TextBetween(wanmiPage, "￥", "元"); }

Text MeaningList(const Text& cxzPage, Text* firstMeaning) {
  RegexMatcher matcher;
  matcher.Create(kMeaningPattern, cxzPage);
  Text list;
  int count = matcher.MatchCount();
  for (int i = 1; i <= count; ++i) list += matcher.SubMatchText(i, 3) + "，";
  *firstMeaning = count > 0 ? matcher.SubMatchText(1, 3) : Text();
  return CutToBytes(list, kMeaningListBytes);
}

Text ValuationLabel(const Text& dollarText, const Text& yuanText, const Text& wanmiPrice, const Text& meanings) {
  return dollarText + "（仅适用于英文域名）" + "\r\n\r\n" + yuanText + "   玩米网：" + wanmiPrice +
         "元\r\n\r\n域名含义：" + meanings;
}

}  // namespace tzl
