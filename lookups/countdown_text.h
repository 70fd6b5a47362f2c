// The deletion countdown as the Chinaz page words it ("还剩：12天3小时5分钟")
// and its short form for the expiry label ("12d3h5m").
#pragma once

#include <chrono>

#include "text/text.h"

namespace tzl {

// The countdown page is asked at most this often, this far apart, until
// its cut holds "还剩".
constexpr int kCountdownAttempts = 3;
constexpr std::chrono::milliseconds kCountdownPause(1000);

bool HasCountdown(const Text& countdown);

// 年 y, 天 d, 分钟 m, 小时 h, 秒 s, one unit after the other, then
// "还剩：" removed.
Text ShortenCountdownUnits(const Text& countdown);

}  // namespace tzl
