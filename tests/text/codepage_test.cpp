// One table of conversions; the Windows build (MultiByteToWideChar under
// Wine) and the native build (iconv) must give the same bytes.
#include "text/codepage.h"

#include <gtest/gtest.h>

#include "tests/support/test_support.h"

namespace tzl {
namespace {

struct Utf8Case {
  const char* what;
  std::string utf8;
  Text ansi;
};

TEST(CodePage, Utf8ToAnsiTable) {
  const Utf8Case cases[] = {
      {"empty", "", ""},
      {"ASCII", "example.com", "example.com"},
      {"Chinese", u8"注册商：", "\xD7\xA2\xB2\xE1\xC9\xCC\xA3\xBA"},
      {"ideographic space", u8"\u3000", "\xA1\xA1"},
      {"full-width yen", u8"￥", "\xA3\xA4"},
      {"euro sign is 0x80 in code page 936", u8"€", "\x80"},
      {"no code-page-936 form", u8"\u0e01", "?"},
      {"emoji outside the BMP", u8"a\U0001F600b", "a??b"},
      {"mixed", u8"示例a", "\xCA\xBE\xC0\xFD" "a"},
  };
  for (const Utf8Case& c : cases) {
    EXPECT_EQ(test::Hex(Utf8ToAnsi(c.utf8)), test::Hex(c.ansi)) << c.what;
  }
}

TEST(CodePage, RoundTrips) {
  const Text samples[] = {"", "abc", "注册商：新网数码", "\xA1\xA1", "玩米网：￥1,234元"};
  for (const Text& s : samples) {
    EXPECT_EQ(Utf8ToAnsi(AnsiToUtf8(s)), s);
    EXPECT_EQ(Utf16ToAnsi(AnsiToUtf16(s)), s);
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(AnsiToUtf8(s))), AnsiToUtf8(s));
  }
  EXPECT_EQ(AnsiToUtf16("中"), std::u16string(u"中"));
  EXPECT_EQ(AnsiToUtf8("中"), std::string(u8"中"));
}

TEST(CodePage, CharsetToAnsi) {
  Text out = "untouched";
  EXPECT_FALSE(CharsetToAnsi("abc", "x-no-such-charset", &out));
  EXPECT_EQ(out, "untouched");
  ASSERT_TRUE(CharsetToAnsi(u8"中文", "UTF-8", &out));
  EXPECT_EQ(out, "中文");
  ASSERT_TRUE(CharsetToAnsi("\xA4\xA4\xA4\xE5", "big5", &out));  // 中文 in Big5
  EXPECT_EQ(out, "中文");
  ASSERT_TRUE(CharsetToAnsi("caf\xE9", "iso-8859-1", &out));  // é has no GBK form? it does: A8 A6
  EXPECT_EQ(test::Hex(out), test::Hex("caf\xA8\xA6"));
  ASSERT_TRUE(CharsetToAnsi(std::string("-N\x87\x65", 4), "utf-16le", &out));  // 中文
  EXPECT_EQ(out, "中文");
  ASSERT_TRUE(CharsetToAnsi("\xD6\xD0", "GBK", &out));
  EXPECT_EQ(out, "中");
}

}  // namespace
}  // namespace tzl
