// Plain timing of the trade pattern of the price-history lookup for the
// scripting engine (run under Wine): milliseconds per synthetic history page
// of 1,000 and 2,000 rows and the ratio between them.
//
//   regex_trade_timing [repetitions]     the trade-page figures (default 5)
//   regex_trade_timing backtrack N...    "(a+)+b" over N letters "a", timed once each
//   regex_trade_timing broken ROWS...    the trade pattern over a page of ROWS rows
//                                        whose platform cells lost their class
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/regex/page_patterns.h"
#include "text/regex_matcher.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::time_point from) {
  return std::chrono::duration<double, std::milli>(Clock::now() - from).count();
}

// The best of `repetitions` runs: Create, then every row's used groups read.
double TimePage(int rows, int repetitions) {
  const tzl::Text page = tzl::test::TradeHistoryPage(rows);
  double best = -1;
  for (int r = 0; r < repetitions; ++r) {
    Clock::time_point start = Clock::now();
    tzl::RegexMatcher m;
    if (!m.Create(tzl::test::kTradePattern, page) || m.MatchCount() != rows) {
      std::printf("rows=%d: the pattern did not find every row (%d)\n", rows, m.MatchCount());
      return -1;
    }
    size_t bytes = 0;
    for (int i = 1; i <= rows; ++i) {
      for (int g = 3; g <= 6; ++g) bytes += m.SubMatchText(i, g).size();
    }
    double ms = Milliseconds(start);
    std::printf("rows=%d page_bytes=%zu run=%d ms=%.1f (group bytes %zu)\n", rows, page.size(),
                r + 1, ms, bytes);
    if (best < 0 || ms < best) best = ms;
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "backtrack") == 0) {
    for (int a = 2; a < argc; ++a) {
      int n = std::atoi(argv[a]);
      Clock::time_point start = Clock::now();
      tzl::RegexMatcher m;
      bool created = m.Create("(a+)+b", std::string(static_cast<size_t>(n), 'a'));
      std::printf("backtrack n=%d created=%d matches=%d ms=%.1f\n", n, created ? 1 : 0,
                  m.MatchCount(), Milliseconds(start));
      std::fflush(stdout);
    }
    return 0;
  }
  if (argc > 1 && std::strcmp(argv[1], "broken") == 0) {
    for (int a = 2; a < argc; ++a) {
      int rows = std::atoi(argv[a]);
      tzl::Text page = tzl::ReplaceAll(tzl::test::TradeHistoryPage(rows), "class=\"pr5\"",
                                       "class=\"pr6\"");
      Clock::time_point start = Clock::now();
      tzl::RegexMatcher m;
      bool created = m.Create(tzl::test::kTradePattern, page);
      std::printf("broken rows=%d created=%d matches=%d ms=%.1f\n", rows, created ? 1 : 0,
                  m.MatchCount(), Milliseconds(start));
      std::fflush(stdout);
    }
    return 0;
  }
  int repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
  if (repetitions < 1) repetitions = 1;
  double ms1000 = TimePage(1000, repetitions);
  double ms2000 = TimePage(2000, repetitions);
  if (ms1000 <= 0 || ms2000 < 0) return 1;
  std::printf("best: 1000 rows %.1f ms/page, 2000 rows %.1f ms/page, ratio %.2f\n", ms1000,
              ms2000, ms2000 / ms1000);
  return 0;
}
