// The trade pattern of the price-history lookup over synthetic history pages
// of 1,000 and 2,000 rows: Create, then every row's four used groups read,
// as the lookup does. The time per page should grow about linearly.
#include <benchmark/benchmark.h>

#include <string>

#include "tests/regex/page_patterns.h"
#include "text/regex_matcher.h"

namespace {

void TradeHistoryPage(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const tzl::Text page = tzl::test::TradeHistoryPage(rows);
  size_t bytes = 0;
  for (auto _ : state) {
    tzl::RegexMatcher m;
    if (!m.Create(tzl::test::kTradePattern, page) || m.MatchCount() != rows) {
      state.SkipWithError("the pattern did not find every row");
      break;
    }
    for (int i = 1; i <= rows; ++i) {
      for (int g = 3; g <= 6; ++g) bytes += m.SubMatchText(i, g).size();
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["page_bytes"] = static_cast<double>(page.size());
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(page.size()));
}
BENCHMARK(TradeHistoryPage)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

// What a pattern that backtracks without end costs before the limit stops it.
void RunawayBacktracking(benchmark::State& state) {
  const std::string subject(40, 'a');
  for (auto _ : state) {
    tzl::RegexMatcher m;
    benchmark::DoNotOptimize(m.Create("(a+)+[bc]", subject));
  }
}
BENCHMARK(RunawayBacktracking)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
