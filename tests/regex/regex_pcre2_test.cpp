// What the native engine does where the scripting class under Wine cannot
// be the reference: runaway backtracking, empty matches, and the dot and
// case rules as the scripting class documents them.
#include <gtest/gtest.h>

#include <string>

#include "tests/regex/page_patterns.h"
#include "text/regex_matcher.h"

namespace tzl {
namespace {

using namespace test;

TEST(RegexPcre2, RunawayBacktrackingGivesUp) {
  RegexMatcher m;
  EXPECT_FALSE(m.Create("(a+)+[bc]", std::string(40, 'a')));
  EXPECT_EQ(m.MatchCount(), 0);
  EXPECT_EQ(m.SubMatchCount(), 0);
  EXPECT_EQ(m.MatchText(1), "");
  EXPECT_EQ(m.Replace("x"), "");
  // The same pattern over a subject it settles quickly still works.
  ASSERT_TRUE(m.Create("(a+)+[bc]", "aab"));
  EXPECT_EQ(m.SubMatchText(1, 1), "aa");
}

TEST(RegexPcre2, TradePatternOverAPageWithoutPlatformCells) {
  // A page whose layout lost the platform cells: every row sends the lazy
  // gaps over the rest of the page, which the limit cuts short.
  Text page = ReplaceAll(TradeHistoryPage(300), "class=\"pr5\"", "class=\"pr6\"");
  RegexMatcher m;
  EXPECT_FALSE(m.Create(kTradePattern, page));
  EXPECT_EQ(m.MatchCount(), 0);
}

TEST(RegexPcre2, EmptyMatchesMoveOnByOneCharacter) {
  RegexMatcher m;
  ASSERT_TRUE(m.Create("x*", "中文"));
  EXPECT_EQ(m.MatchCount(), 3);
  EXPECT_EQ(m.Replace("-"), "-中-文-");
  ASSERT_TRUE(m.Create("a*", "baaa"));
  ASSERT_EQ(m.MatchCount(), 3);
  EXPECT_EQ(m.MatchText(1), "");
  EXPECT_EQ(m.MatchText(2), "aaa");
  EXPECT_EQ(m.MatchText(3), "");
  // Line starts follow a line feed and also a carriage return, so a CR LF
  // break holds two of them.
  ASSERT_TRUE(m.Create("^", "a\r\nb\nc"));
  EXPECT_EQ(m.MatchCount(), 4);
}

TEST(RegexPcre2, DotTakesACarriageReturn) {
  RegexMatcher m;
  ASSERT_TRUE(m.Create("a(.)b", "a\rb"));
  EXPECT_EQ(m.SubMatchText(1, 1), "\r");
}

TEST(RegexPcre2, CaseIsIgnoredBeyondAscii) {
  RegexMatcher m;
  // Greek small alpha against capital alpha, full-width a against A.
  ASSERT_TRUE(m.Create("\xA6\xC1\xA3\xE1", "\xA6\xA1\xA3\xC1"));
  EXPECT_EQ(m.MatchCount(), 1);
  ASSERT_TRUE(m.Create("\xA6\xC1", "\xA6\xA1", true));
  EXPECT_EQ(m.MatchCount(), 0);
}

}  // namespace
}  // namespace tzl
