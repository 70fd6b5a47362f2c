// The COM apartment that a matcher opens and closes on its thread.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "text/regex_matcher.h"

namespace tzl {
namespace {

TEST(RegexVbscript, MatcherOpensAndClosesComOnItsThread) {
  HRESULT during = E_FAIL;
  HRESULT after = E_FAIL;
  bool created = false;
  std::thread([&] {
    {
      RegexMatcher m;
      created = m.Create("a", "a");
      during = CoInitialize(nullptr);  // S_FALSE: already open
      if (SUCCEEDED(during)) CoUninitialize();
    }
    after = CoInitialize(nullptr);  // S_OK: the matcher closed it again
    if (SUCCEEDED(after)) CoUninitialize();
  }).join();
  EXPECT_TRUE(created);
  EXPECT_EQ(during, S_FALSE);
  EXPECT_EQ(after, S_OK);
}

TEST(RegexVbscript, ThreadInAnotherApartmentKeepsIt) {
  HRESULT after = E_FAIL;
  int count = -1;
  std::thread([&] {
    if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return;
    {
      RegexMatcher m;
      m.Create("(\\d)", "1 2");
      count = m.MatchCount();
    }
    // The matcher's CoInitialize failed, so it must not have closed the
    // thread's own apartment.
    after = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(after)) CoUninitialize();
    CoUninitialize();
  }).join();
  EXPECT_EQ(count, 2);
  EXPECT_EQ(after, S_FALSE);
}

TEST(RegexVbscript, MatchersOnSeveralThreads) {
  std::vector<int> counts(4, -1);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&counts, t] {
      RegexMatcher m;
      Text subject;
      for (int i = 0; i <= t; ++i) subject += "<p>文</p>";
      if (m.Create("<p>(.*?)</p>", subject)) counts[t] = m.MatchCount();
    });
  }
  for (std::thread& th : threads) th.join();
  for (int t = 0; t < 4; ++t) EXPECT_EQ(counts[t], t + 1);
}

}  // namespace
}  // namespace tzl
