// The search pages a click on a count label opens: the same addresses the
// counts are read from, over HTTPS, with the query text put in unchanged.
#pragma once

#include "text/text.h"

namespace tzl::app {

Text SogouIndexPage(const Text& query);      // 搜狗收录
Text BaiduIndexPage(const Text& query);      // 百度收录
Text SogouBacklinkPage(const Text& query);   // 搜狗反链
Text BaiduBacklinkPage(const Text& query);   // 百度反链

// The program's update-and-feedback page (documented in the README).
extern const char kFeedbackPage[];

}  // namespace tzl::app
