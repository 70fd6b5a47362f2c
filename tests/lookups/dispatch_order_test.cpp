#include <gtest/gtest.h>

#include "lookups/memory_result_panel.h"
#include "lookups/query_dispatch.h"
#include "tests/lookups/lookup_fixtures.h"

namespace tzl {
namespace {

// Runs the started jobs one by one afterwards, so each job's first request
// shows which job was started in which place.
TEST(DispatchLookups, StartsRegistrationValuationSearchCountAndPriceHistoryInThatOrder) {
  test::LookupFixtures();
  std::vector<std::function<void()>> jobs;
  MemoryResultPanel panel("paixu-order.cn");
  DispatchLookups(panel, [&jobs](std::function<void()> job) { jobs.push_back(std::move(job)); });
  ASSERT_EQ(jobs.size(), 4u);

  const char* const firstRequests[] = {
      "web http 127.0.0.1 /?domain=paixu-order.cn",
      "plain https api.godaddy.com /v1/appraisal/paixu-order.cn",
      "web https www.sogou.com /web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=%E2%80%9Cpaixu-order.cn%E2%80%9D",
      "web http www.wanmi.cc /ls/?ym=paixu-order.cn",
  };
  for (size_t i = 0; i < jobs.size(); ++i) {
    size_t before = test::RequestsSeen("paixu-order").size();
    jobs[i]();
    std::vector<std::string> seen = test::RequestsSeen("paixu-order");
    ASSERT_GT(seen.size(), before) << "job " << i;
    EXPECT_EQ(seen[before], firstRequests[i]) << "job " << i;
  }
}

TEST(ShowDetails, StartsTheDetailJob) {
  test::LookupFixtures();
  std::vector<std::function<void()>> jobs;
  MemoryResultPanel panel("paixu-details");
  ShowDetails(panel, [&jobs](std::function<void()> job) { jobs.push_back(std::move(job)); });
  ASSERT_EQ(jobs.size(), 1u);
  jobs[0]();
  EXPECT_EQ(test::RequestsSeen("paixu-details"),
            (std::vector<std::string>{"web https rank.aizhan.com /paixu-details.com",
                                      "web http ip.tool.chinaz.com /paixu-details.com",
                                      "web http icp.chinaz.com /home/info?host=paixu-details.com"}));
}

}  // namespace
}  // namespace tzl
