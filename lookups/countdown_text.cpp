#include "lookups/countdown_text.h"

namespace tzl {

bool HasCountdown(const Text& countdown) { return ContainsText(countdown, "还剩"); }

Text ShortenCountdownUnits(const Text& countdown) {
  static const char* const kUnits[][2] = {
      {"年", "y"}, {"天", "d"}, {"分钟", "m"}, {"小时", "h"}, {"秒", "s"}, {"还剩：", ""},
  };
  Text text = countdown;
  for (const auto& unit : kUnits) text = ReplaceAll(text, unit[0], unit[1]);
  return text;
}

}  // namespace tzl
