#include "lookups/shared_values.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace tzl {
namespace {

TEST(SharedText, ReaderSeesTheOldOrTheNewTextWhole) {
  SharedText value;
  EXPECT_EQ(value.Get(), "");
  // Long enough that a torn copy would show.
  const Text first(4096, 'a'), second(1000, 'b');
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int i = 0; i < 20000; ++i) value.Set(i % 2 ? first : second);
    done = true;
  });
  int torn = 0;
  while (!done) {
    Text seen = value.Get();
    if (!seen.empty() && seen != first && seen != second) ++torn;
  }
  writer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_EQ(value.Get(), first);
}

TEST(SharedText, TheTwoValuesAreSeparate) {
  LastMeaning().Set("万象");
  CompanySearchAddress().Set("https://aiqicha.baidu.com/s?q=wanxiang");
  EXPECT_EQ(LastMeaning().Get(), "万象");
  EXPECT_EQ(CompanySearchAddress().Get(), "https://aiqicha.baidu.com/s?q=wanxiang");
  LastMeaning().Set("");
  EXPECT_EQ(LastMeaning().Get(), "");
}

}  // namespace
}  // namespace tzl
