#include "text/text.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace tzl {
namespace {

struct BetweenCase {
  const char* what;
  Text source, left, right;
  int start;
  bool ignoreCase;
  Text expected;
};

TEST(TextBetween, Cases) {
  const BetweenCase cases[] = {
      {"plain", "a[x]b", "[", "]", 0, false, "x"},
      {"markers touch", "a[]b", "[", "]", 0, false, ""},
      {"left missing", "axb", "[", "]", 0, false, ""},
      {"right missing after first left: no later left tried", "[x [y]", "[", "]", 0, false, "x [y"},
      {"right missing", "[x", "[", "]", 0, false, ""},
      {"first occurrences win", "[1] [2]", "[", "]", 0, false, "1"},
      {"start position counts from 1", "[1] [2]", "[", "]", 2, false, "2"},
      {"start below 1 is the beginning", "[1] [2]", "[", "]", -4, false, "1"},
      {"start past the end", "[1]", "[", "]", 10, false, ""},
      {"quote word in both markers", "k=\"v\";", "k=#引号", "#引号", 0, false, "v"},
      {"case-sensitive by default", "Key: v\n", "key: ", "\n", 0, false, ""},
      {"case flag folds ASCII", "Key: v\n", "key: ", "\n", 0, true, "v"},
      {"Chinese markers", "注册商：新网\r\n", "注册商：", "\r\n", 0, false, "新网"},
      // 0xB0 0xA1 is one character; "\xA1\xB0" must not match across it.
      {"no match on a second byte", "\xB0\xA1\xB0x", "\xA1\xB0", "x", 0, false, ""},
      {"right marker after a double-byte value", "<\xD6\xD0>", "<", ">", 0, false, "\xD6\xD0"},
  };
  for (const BetweenCase& c : cases) {
    EXPECT_EQ(test::Hex(TextBetween(c.source, c.left, c.right, c.start, c.ignoreCase)), test::Hex(c.expected))
        << c.what;
  }
}

struct ReplaceCase {
  Text text, from, to, expected;
};

TEST(ReplaceAll, StepsOverDoubleByteCharacters) {
  const ReplaceCase cases[] = {
      {"example。com", "。", ".", "example.com"},
      {"a/b/c", "/", ".", "a.b.c"},
      {"aaa", "aa", "b", "ba"},  // non-overlapping, from the start
      {"x", "", "y", "x"},
      // "\xA3\xAC" (，) inside "\xB0\xA3\xAC\xB1"? Only at a boundary: B0 A3 is
      // one character, AC B1 another, so no "，" stands here.
      {"\xB0\xA3\xAC\xB1", "\xA3\xAC", ".", "\xB0\xA3\xAC\xB1"},
      {"ex ample\xA1\xA1.com", "\xA1\xA1", "", "ex ample.com"},
  };
  for (const ReplaceCase& c : cases) {
    EXPECT_EQ(test::Hex(ReplaceAll(c.text, c.from, c.to)), test::Hex(c.expected)) << c.text;
  }
  EXPECT_EQ(RemoveAll("还剩：1天", "还剩："), "1天");
}

TEST(FindText, BoundariesAndCase) {
  EXPECT_EQ(FindText("abcabc", "c", 3), 5u);
  EXPECT_EQ(FindText("ABC", "b", 0, true), 1u);
  EXPECT_EQ(FindText("ABC", "b"), kNotFound);
  // Search from the middle of a character starts at the next boundary.
  EXPECT_EQ(FindText("\xB0\xA1" "a", "a", 1), 2u);
  EXPECT_TRUE(ContainsText("搜狗已为您找到约", "找到"));
  EXPECT_TRUE(EqualsIgnoringAsciiCase("Set-Cookie", "set-COOKIE"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("ab", "abc"));
  EXPECT_FALSE(EqualsIgnoringAsciiCase("中", "\xD6\xF0"));
}

TEST(CutToBytes, NeverSplitsACharacter) {
  EXPECT_EQ(CutToBytes("abc", 5), "abc");
  EXPECT_EQ(CutToBytes("ab示例", 3), "ab");
  EXPECT_EQ(CutToBytes("ab示例", 4), "ab示");
  EXPECT_EQ(CutToBytes("", 0), "");
}

TEST(TrimBlanks, AsciiAndIdeographic) {
  EXPECT_EQ(TrimBlanks("  a b \xA1\xA1"), "a b");
  EXPECT_EQ(TrimBlanks("\xA1\xA1 x"), "x");
  EXPECT_EQ(TrimBlanks("\tx\r\n"), "\tx\r\n");
  // A1 A1 as the second byte of one character and the first of the next is
  // no blank.
  EXPECT_EQ(test::Hex(TrimBlanks("\xB0\xA1\xA1\xB0")), "B0 A1 A1 B0");
  EXPECT_EQ(TrimBlanks("   "), "");
}

TEST(SplitAtByte, KeepsEveryPiece) {
  EXPECT_EQ(SplitAtByte("a,,b", ','), (std::vector<Text>{"a", "", "b"}));
  EXPECT_EQ(SplitAtByte("a,", ','), (std::vector<Text>{"a", ""}));
  EXPECT_EQ(SplitAtByte("", ','), (std::vector<Text>{""}));
}

TEST(TextUpToNul, StopsAtTheFirstZeroByte) {
  EXPECT_EQ(TextUpToNul(std::string("ab\0cd", 5)), "ab");
  EXPECT_EQ(TextUpToNul("abc"), "abc");
}

}  // namespace
}  // namespace tzl
