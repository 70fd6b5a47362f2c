// How long the four jobs of one query take when every service answers
// slowly, against the longest chain of requests one job must make in turn.
//
//   python3 tests/support/fixture_server.py start --state S --root tests/fixtures --work W
//   TZL_FIXTURE_STATE=S lookup_query_benchmark [runs]
//   python3 tests/support/fixture_server.py stop --state S
//
// The fixture answers for wanxiang.com: the countdown answers on the first
// request, and the price history has three trades.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "lookups/memory_result_panel.h"
#include "lookups/query_dispatch.h"
#include "tests/lookups/lookup_fixtures.h"

namespace tzl {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDelayMs = 200;
// Requests made one after the other by each job of a query.
constexpr int kRegistrationChain = 2;   // record, countdown
constexpr int kValuationChain = 3;      // GoDaddy, CXZ, Wanmi
constexpr int kSearchChain = 6;         // four searches, company search, drop-catch
constexpr int kPriceHistoryChain = 1 + 3;  // the page and its three pictures

// Notes the time of every write a job makes (the dispatch's own writes
// come from the calling thread and do not count).
class TimedPanel : public MemoryResultPanel {
 public:
  TimedPanel(const Text& query, std::thread::id dispatcher) : MemoryResultPanel(query), dispatcher_(dispatcher) {}
  Clock::time_point LastWrite() const { return Clock::time_point(Clock::duration(last_.load())); }

  void SetLabelText(ResultLabel label, const Text& text) override { MemoryResultPanel::SetLabelText(label, text); Stamp(); }
  void SetLabelWidth(ResultLabel label, int width) override { MemoryResultPanel::SetLabelWidth(label, width); Stamp(); }
  int AppendRow(ResultList list) override { int row = MemoryResultPanel::AppendRow(list); Stamp(); return row; }
  void SetCellText(ResultList list, int row, int column, const Text& text) override {
    MemoryResultPanel::SetCellText(list, row, column, text);
    Stamp();
  }
  void SetCellImage(ResultList list, int row, int image) override { MemoryResultPanel::SetCellImage(list, row, image); Stamp(); }
  int AddPicture(ResultList list, const std::string& bytes) override {
    int index = MemoryResultPanel::AddPicture(list, bytes);
    Stamp();
    return index;
  }
  void SetWindowHeight(int height) override { MemoryResultPanel::SetWindowHeight(height); Stamp(); }
  void SetListHeight(ResultList list, int height) override { MemoryResultPanel::SetListHeight(list, height); Stamp(); }

 private:
  void Stamp() {
    if (std::this_thread::get_id() == dispatcher_) return;
    Clock::rep now = Clock::now().time_since_epoch().count();
    Clock::rep seen = last_.load();
    while (now > seen && !last_.compare_exchange_weak(seen, now)) {
    }
  }
  std::thread::id dispatcher_;
  std::atomic<Clock::rep> last_{0};
};

double OneQuery() {
  TimedPanel panel("wanxiang.com", std::this_thread::get_id());
  std::vector<std::thread> threads;
  Clock::time_point started = Clock::now();
  DispatchLookups(panel, [&threads](std::function<void()> job) { threads.emplace_back(std::move(job)); });
  for (std::thread& thread : threads) thread.join();
  return std::chrono::duration<double, std::milli>(panel.LastWrite() - started).count();
}

}  // namespace
}  // namespace tzl

int main(int argc, char** argv) {
  using namespace tzl;
  int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  test::FixtureServices& services = test::LookupFixtures();
  OneQuery();  // warm: connections, certificate, page cache

  services.SetDelay(kDelayMs);
  int longest = std::max({kRegistrationChain, kValuationChain, kSearchChain, kPriceHistoryChain});
  double bound = longest * kDelayMs;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) times.push_back(OneQuery());
  services.SetDelay(0);

  std::sort(times.begin(), times.end());
  std::printf("answer delay %d ms; longest chain %d requests (search job); bound %.0f ms\n", kDelayMs, longest, bound);
  for (double t : times) std::printf("  query: %.1f ms  ratio %.3f\n", t, t / bound);
  double median = times[times.size() / 2];
  std::printf("median %.1f ms  ratio %.3f  (best %.3f, worst %.3f)\n", median, median / bound, times.front() / bound,
              times.back() / bound);
  return 0;
}
