// One table of cases for RegexMatcher. The Windows build runs it against
// VBScript.RegExp, the native build against PCRE2: both engines must give
// the same code-page-936 bytes for every case.
#include "text/regex_matcher.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/regex/page_patterns.h"
#include "tests/support/test_support.h"
#include "text/codepage.h"

namespace tzl {
namespace {

using namespace test;

enum Option : unsigned {
  kDefaults = 0,
  kCaseSensitive = 1,
  kSingleLine = 2,
  kFirstOnly = 4,
  kQuoteMarks = 8,
};

using Match = std::vector<Text>;  // the whole match, then group 1, 2, ...

struct Case {
  const char* what;
  Text pattern;
  Text subject;
  unsigned options;
  bool created;
  std::vector<Match> matches;
  // When `replacement` is not null, Replace(replacement) must give `replaced`.
  const char* replacement = nullptr;
  Text replaced = {};
};

bool CreateFor(RegexMatcher& m, const Case& c) {
  return m.Create(c.pattern, c.subject, (c.options & kCaseSensitive) != 0,
                  (c.options & kSingleLine) == 0, (c.options & kFirstOnly) == 0,
                  (c.options & kQuoteMarks) != 0);
}

void Check(const Case& c) {
  SCOPED_TRACE(c.what);
  RegexMatcher m;
  ASSERT_EQ(CreateFor(m, c), c.created);
  const int n = static_cast<int>(c.matches.size());
  ASSERT_EQ(m.MatchCount(), n);
  const int groups = n > 0 ? static_cast<int>(c.matches[0].size()) - 1 : 0;
  EXPECT_EQ(m.SubMatchCount(), groups);
  for (int i = 1; i <= n; ++i) {
    const Match& expected = c.matches[i - 1];
    EXPECT_EQ(test::Hex(m.MatchText(i)), test::Hex(expected[0])) << "match " << i;
    for (int g = 1; g <= groups; ++g) {
      EXPECT_EQ(test::Hex(m.SubMatchText(i, g)), test::Hex(expected[g]))
          << "match " << i << " group " << g;
    }
    EXPECT_EQ(m.SubMatchText(i, groups + 1), "") << "group past the last, match " << i;
    EXPECT_EQ(m.SubMatchText(i, 0), "");
  }
  EXPECT_EQ(m.MatchText(0), "");
  EXPECT_EQ(m.MatchText(n + 1), "");
  EXPECT_EQ(m.MatchText(-1), "");
  EXPECT_EQ(m.SubMatchText(n + 1, 1), "");
  EXPECT_EQ(m.SubMatchText(0, 1), "");
  if (c.replacement != nullptr) {
    EXPECT_EQ(test::Hex(m.Replace(c.replacement)), test::Hex(c.replaced));
  }
}

TEST(RegexConformance, Table) {
  const Case cases[] = {
      {"two groups over three matches", "(\\w+)=(\\d+)", "a=1;bb=22;ccc=333", kDefaults, true,
       {{"a=1", "a", "1"}, {"bb=22", "bb", "22"}, {"ccc=333", "ccc", "333"}},
       "<$2:$1>", "<1:a>;<22:bb>;<333:ccc>"},
      {"lower-case pattern, upper-case tags", "<td>(.*?)</td>",
       "<TD>价格</TD><Td>类型</tD>", kDefaults, true,
       {{"<TD>价格</TD>", "价格"}, {"<Td>类型</tD>", "类型"}}},
      {"case-sensitive", "<td>(.*?)</td>", "<TD>价格</TD><td>类型</td>", kCaseSensitive, true,
       {{"<td>类型</td>", "类型"}}},
      {"Chinese subject, Chinese pattern", "域名：(.+?)。", "注册商：新网。域名：示例.中国。",
       kDefaults, true, {{"域名：示例.中国。", "示例.中国"}}},
      {"matching counts characters, not bytes", "^(.{2})(.)", "中文abc", kDefaults, true,
       {{"中文a", "中文", "a"}}},
      {"\\w is ASCII only", "\\w+", "abc中文d_9", kDefaults, true, {{"abc"}, {"d_9"}}},
      {"\\s takes the ideographic space", "价格\\s*(\\d+)", "价格\xA1\xA1" "100元", kDefaults,
       true, {{"价格\xA1\xA1" "100", "100"}}},
      {"blank gaps across CR LF", "<b>([\\s|\\S]*?)</b>",
       "<b>一\r\n二\r\n</b>x<B>\r\n</B>", kDefaults, true,
       {{"<b>一\r\n二\r\n</b>", "一\r\n二\r\n"}, {"<B>\r\n</B>", "\r\n"}}},
      {"dot stops at a line feed", "a(.*)", "a12\nab", kDefaults, true,
       {{"a12", "12"}, {"ab", "b"}}},
      {"greedy against lazy", "<i>(.*)</i>", "<i>1</i><i>2</i>", kDefaults, true,
       {{"<i>1</i><i>2</i>", "1</i><i>2"}}},
      {"lazy", "<i>(.*?)</i>", "<i>1</i><i>2</i>", kDefaults, true,
       {{"<i>1</i>", "1"}, {"<i>2</i>", "2"}}},
      {"unbalanced parenthesis", "(abc", "abc", kDefaults, false, {}, "x", ""},
      {"stray closing parenthesis", "abc)", "abc)", kDefaults, false, {}},
      {"no match", "xyz", "abc", kDefaults, true, {}, "q", "abc"},
      {"group that did not take part", "(a)|(b)", "b", kDefaults, true, {{"b", "", "b"}}},
      {"optional group left out", "(x)?y", "y", kDefaults, true, {{"y", ""}}},
      {"quote marks option", "href=#引号(.*?)#引号", "<a href=\"x.htm\">", kQuoteMarks, true,
       {{"href=\"x.htm\"", "x.htm"}}},
      {"plain double quotes", "href=\"(.*?)\"", "<a href=\"x.htm\">", kDefaults, true,
       {{"href=\"x.htm\"", "x.htm"}}},
      {"quote-marks text without the option", "href=#引号(.*?)#引号", "<a href=\"x.htm\">",
       kDefaults, true, {}},
      {"Replace with $1", "<(\\w+)>", "<b>粗</b>", kDefaults, true, {{"<b>", "b"}},
       "[$1]", "[b]粗</b>"},
      {"Replace tokens", "a(b)", "xabyab", kDefaults, true, {{"ab", "b"}, {"ab", "b"}},
       "[$1|$&|$$|$2|$0|$10|$01|$`|$'|$]",
       "x[b|ab|$|$2|$0|b0|b|x|yab|$]y[b|ab|$|$2|$0|b0|b|xaby||$]"},
      {"Replace two-digit groups", "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)", "abcdefghij--",
       kDefaults, true, {{"abcdefghij", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
       "$10,$11,$1", "j,a1,a--"},
      {"Replace keeps Chinese text", "(\\d+)元", "价格：100元，200元", kDefaults, true,
       {{"100元", "100"}, {"200元", "200"}}, "￥$1", "价格：￥100，￥200"},
      {"global off: first match only", "\\d+", "1 22 333", kFirstOnly, true, {{"1"}}, "#",
       "# 22 333"},
      {"multi-line anchors", "^(\\w+)$", "one\ntwo\nthree", kDefaults, true,
       {{"one", "one"}, {"two", "two"}, {"three", "three"}}},
      {"multi-line anchors at CR LF", "^(\\w+)$", "one\r\ntwo", kDefaults, true,
       {{"one", "one"}, {"two", "two"}}},
      {"single-line anchors", "^(\\w+)$", "one\ntwo", kSingleLine, true, {}},
      {"single-line start", "^\\w+", "one\ntwo", kSingleLine, true, {{"one"}}},
      {"single-line end is the very end", "o$", "two\n", kSingleLine, true, {}},
      {"back-reference", "(['\"])(.*?)\\1", "a='x' b=\"y\"", kDefaults, true,
       {{"'x'", "'", "x"}, {"\"y\"", "\"", "y"}}},
      {"empty pattern matches between characters", "", "ab", kDefaults, true,
       {{""}, {""}, {""}}},
      {"character without a code-page-936 form", "文(.)字", Utf8ToAnsi(u8"泰文\u0e01字"),
       kDefaults, true, {{"文?字", "?"}}},
      {"escaped dollar and dot", "\\$(\\d+)\\.(\\d+)", "cost $12.50 or $3.5", kDefaults, true,
       {{"$12.50", "12", "50"}, {"$3.5", "3", "5"}}},
      // Syntax that only PCRE2 knows must not leak into the native engine.
      {"\\A is the letter A", "\\A(\\d)", "A1 2", kDefaults, true, {{"A1", "1"}}},
      {"lookbehind is rejected", "(?<=a)b", "ab", kDefaults, false, {}},
      {"possessive quantifier is rejected", "a++", "aa", kDefaults, false, {}},
      {"inline option is rejected", "(?i)a", "A", kCaseSensitive, false, {}},
      {"quantified anchor is rejected", "x|^*a", "a", kDefaults, false, {}},
      {"negated class of blanks without line breaks", "[^\\S\\r\\n]+", "a\xA1\xA1 \t\r\nb",
       kDefaults, true, {{"\xA1\xA1 \t"}}},
      {"lookahead", "\\d+(?=元)", "3个 45元", kDefaults, true, {{"45"}}},
      {"\\v is a vertical tab", "a\\vb", "a\nb a\x0b" "b", kDefaults, true, {{"a\x0b" "b"}}},
      {"[] never matches, [^] takes anything", "x[]|y[^]z", "x]y\nz", kDefaults, true,
       {{"y\nz"}}},
      {"back-reference to a missing group is an octal escape", "(a)\\2", "a\x02", kDefaults,
       true, {{"a\x02", "a"}}},
  };
  for (const Case& c : cases) Check(c);
}

// The cutting patterns of the lookups, over small realistic page snippets.
TEST(RegexConformance, PagePatterns) {
  EXPECT_EQ(ByteLength(kTradePattern), 236u);
  EXPECT_EQ(ByteLength(kRankPattern), 164u);
  EXPECT_EQ(ByteLength(kFilingPattern), 205u);

  const Text tradePage =
      "<table class=\"tb\">\r\n<tr><th>价格</th><th>类型</th><th>交易时间</th><th>平台</th></tr>\r\n"
      + TradeRow(1, "一口价", "2019-05-12", "聚名网") + "<tr><td>广告</td></tr>\r\n"
      + TradeRow(2, "竞价", "2020-11-03", "易名中国") + "</table>\r\n";
  const Case cases[] = {
      {"trade rows", kTradePattern, tradePage, kDefaults, true,
       {{TradeRowMatch(1, "一口价", "2019-05-12", "聚名网"), TradeIcon(1), TradeWhois(1),
         TradePrice(1), "一口价", "2019-05-12", "聚名网"},
        {TradeRowMatch(2, "竞价", "2020-11-03", "易名中国"), TradeIcon(2), TradeWhois(2),
         TradePrice(2), "竞价", "2020-11-03", "易名中国"}}},
      {"rank rows", kRankPattern,
       "<tr>\n<td align=\"center\"><a href=\"https://www.aizhan.com/cha/baidu/\" "
       "target=\"_blank\" id=\"baidu_pc\">1,234</a></td>\n"
       "<td align=\"center\"><a href=\"https://www.aizhan.com/rank/\" target=\"_blank\" "
       "id=\"br\"><img src=\"//statics.aizhan.com/images/br/3.png\"/></a></td>\n</tr>\n"
       "<tr>\n<td align=\"center\"><a href=\"https://m.aizhan.com/\" target=\"_blank\" "
       "id=\"baidu_m\">56</a></td>\n"
       "<td align=\"center\"><a href=\"https://m.aizhan.com/rank/\" target=\"_blank\" "
       "id=\"mbr\"><img src=\"//statics.aizhan.com/images/mbr/1.png\"/></a></td>\n</tr>\n",
       kDefaults, true,
       {{"<td align=\"center\"><a href=\"https://www.aizhan.com/cha/baidu/\" target=\"_blank\" "
         "id=\"baidu_pc\">1,234</a></td>\n<td align=\"center\"><a "
         "href=\"https://www.aizhan.com/rank/\" target=\"_blank\" id=\"br\"><img "
         "src=\"//statics.aizhan.com/images/br/3.png\"/>",
         "https://www.aizhan.com/cha/baidu/", "baidu_pc", ">1,234",
         "https://www.aizhan.com/rank/", "br", "//statics.aizhan.com/images/br/3.png"},
        {"<td align=\"center\"><a href=\"https://m.aizhan.com/\" target=\"_blank\" "
         "id=\"baidu_m\">56</a></td>\n<td align=\"center\"><a href=\"https://m.aizhan.com/rank/\" "
         "target=\"_blank\" id=\"mbr\"><img src=\"//statics.aizhan.com/images/mbr/1.png\"/>",
         "https://m.aizhan.com/", "baidu_m", ">56", "https://m.aizhan.com/rank/", "mbr",
         "//statics.aizhan.com/images/mbr/1.png"}}},
      {"filing facts", kFilingPattern, FilingPage(), kDefaults, true,
       {{FilingMatch(), "京ICP证030173号-1", "2019-05-20", "北京百度网讯科技有限公司", "企业",
         "百度", "--", "--", "--"}}},
      {"meanings", kMeaningsPattern,
       "<div class=\"hy\"><a title=\"苹果\" href=\"/s.php?w=apple\">苹果</a>"
       "<A TITLE=\"水果\" href=\"/s.php?w=fruit\">水果</A></div>",
       kDefaults, true,
       {{"<a title=\"苹果\" href=\"/s.php?w=apple\">苹果</a>", "苹果", " href=\"/s.php?w=apple",
         "苹果"},
        {"<A TITLE=\"水果\" href=\"/s.php?w=fruit\">水果</A>", "水果", " href=\"/s.php?w=fruit",
         "水果"}}},
      {"charset, quoted", kCharsetPattern,
       "<html><head>\n<meta charset=\"utf-8\">\n<title>示例</title>", kDefaults, true,
       {{"<meta charset=\"utf-8", "utf-8"}}},
      {"charset, upper case", kCharsetPattern,
       "<META HTTP-EQUIV=Content-Type CONTENT='text/html; CHARSET=UTF-8'>", kDefaults, true,
       {{"<META HTTP-EQUIV=Content-Type CONTENT='text/html; CHARSET=UTF-8", "UTF-8"}}},
      {"charset in content", kCharsetPattern,
       "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\" />", kDefaults,
       true,
       {{"<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312", "gb2312"}}},
      {"charset across a line break", kCharsetPattern,
       "<meta http-equiv=\"Content-Type\"\r\n content=\"text/html; charset=utf-8\">", kDefaults,
       true, {}},
  };
  for (const Case& c : cases) Check(c);
}

TEST(RegexConformance, PatternReadsBackThePreparedPattern) {
  RegexMatcher m;
  EXPECT_EQ(m.Pattern(), "");
  EXPECT_EQ(m.MatchCount(), 0);
  EXPECT_EQ(m.Replace("x"), "");
  ASSERT_TRUE(m.Create("a#引号(中)#引号", "a\"中\"", false, true, true, true));
  EXPECT_EQ(m.Pattern(), "a\"(中)\"");
  ASSERT_TRUE(m.Create("a#引号", "a\"", false, true, true, false));
  EXPECT_EQ(m.Pattern(), "a#引号");
  EXPECT_EQ(m.MatchCount(), 0);
  // An invalid pattern is still the object's pattern.
  EXPECT_FALSE(m.Create("(价格", "价格"));
  EXPECT_EQ(m.Pattern(), "(价格");
}

TEST(RegexConformance, EachCreateReplacesTheLastOne) {
  RegexMatcher m;
  ASSERT_TRUE(m.Create("(\\d)", "1 2 3"));
  ASSERT_EQ(m.MatchCount(), 3);
  ASSERT_TRUE(m.Create("([a-z]+)", "中 xy 文"));
  EXPECT_EQ(m.MatchCount(), 1);
  EXPECT_EQ(m.SubMatchText(1, 1), "xy");
  EXPECT_EQ(m.Replace("[$1]"), "中 [xy] 文");
  EXPECT_FALSE(m.Create("[", "中 xy 文"));
  EXPECT_EQ(m.MatchCount(), 0);
  EXPECT_EQ(m.SubMatchCount(), 0);
  EXPECT_EQ(m.MatchText(1), "");
  EXPECT_EQ(m.Replace("x"), "");
}

TEST(RegexConformance, ResultsOutliveTheMatcher) {
  Text kept;
  {
    RegexMatcher m;
    ASSERT_TRUE(m.Create("<p>(.*?)</p>", "<p>主办单位</p>"));
    kept = m.SubMatchText(1, 1);
  }
  EXPECT_EQ(kept, "主办单位");
}

TEST(RegexConformance, ManyRowsOfAPage) {
  Text page;
  for (int i = 1; i <= 300; ++i) page += TradeRow(i, "一口价", "2021-01-01", "玩米网");
  RegexMatcher m;
  ASSERT_TRUE(m.Create(kTradePattern, page));
  ASSERT_EQ(m.MatchCount(), 300);
  EXPECT_EQ(m.SubMatchText(300, 3), TradePrice(300));
  EXPECT_EQ(m.SubMatchText(300, 6), "玩米网");
}

}  // namespace
}  // namespace tzl
