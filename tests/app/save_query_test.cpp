// Saving a query to the desktop, and the profile writer under it.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/profile_text.h"
#include "app/report_file.h"
#include "lookups/shared_values.h"
#include "main_window_harness.h"
#include "test_support.h"

namespace tzl::test {
namespace {

class SaveQueryTest : public ::testing::Test {
 protected:
  void TearDown() override { LastMeaning().Set(""); }
  void Save() {
    harness.menuChoice = 1;
    harness.PressRight(harness.Handle());
  }
  MainWindowHarness harness;
};

TEST_F(SaveQueryTest, WritesDomainAndMeaningAsCodePage936Profile) {
  LastMeaning().Set("示例");
  harness.SetQueryBox("example.com");
  Save();
  EXPECT_EQ(ReadBytes(harness.desktop + "example.com.ini"), "[域名]\r\n域名=example.com\r\n域名含义=示例\r\n");
  LastMeaning().Set("新的");
  Save();  // the same file, updated in place
  EXPECT_EQ(ReadBytes(harness.desktop + "example.com.ini"), "[域名]\r\n域名=example.com\r\n域名含义=新的\r\n");
}

TEST_F(SaveQueryTest, KeepsWhatElseTheFileHolds) {
  WriteBytes(harness.desktop + "example.com.ini", "[笔记]\r\n来源=朋友\r\n[域名]\r\n域名=old.com\r\n备注=留着\r\n");
  harness.SetQueryBox("example.com");
  Save();
  EXPECT_EQ(ReadBytes(harness.desktop + "example.com.ini"),
            "[笔记]\r\n来源=朋友\r\n[域名]\r\n域名=example.com\r\n备注=留着\r\n域名含义=\r\n");
}

TEST_F(SaveQueryTest, EmptyBoxSavesDotIni) {
  harness.SetQueryBox("");
  Save();
  EXPECT_EQ(ReadBytes(harness.desktop + ".ini"), "[域名]\r\n域名=\r\n域名含义=\r\n");
}

TEST_F(SaveQueryTest, ChineseNameOnADesktopOfChineseName) {
  harness.SetQueryBox("中文.中国");
  Save();
  EXPECT_EQ(ReadBytes(harness.desktop + "中文.中国.ini"), "[域名]\r\n域名=中文.中国\r\n域名含义=\r\n");
}

TEST_F(SaveQueryTest, TextsThatWouldLeaveTheDesktopWriteNothing) {
  for (const char* text : {"../escape", "..\\escape", "sub/x.com", "C:x", "..", "a:b"}) {
    harness.SetQueryBox(text);
    Save();
  }
  EXPECT_FALSE(Exists(harness.folder + "escape.ini"));
  EXPECT_FALSE(Exists(harness.desktop + "sub\\x.com.ini"));
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((std::wstring(L"") + std::wstring(harness.desktop.begin(), harness.desktop.end()) + L"*.ini").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE);
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
}

TEST(ReportFile, NameRules) {
  EXPECT_EQ(app::ReportFilePath("D:\\桌面\\", "example.com"), "D:\\桌面\\/example.com.ini");
  EXPECT_EQ(app::ReportFilePath("D:\\桌面\\", ""), "D:\\桌面\\/.ini");
  for (const char* bad : {"a/b", "a\\b", "c:", "..", "x:\\y"}) EXPECT_EQ(app::ReportFilePath("D:\\", bad), "") << bad;
  // A "\" as the second byte of a double-byte character is no separator.
  EXPECT_NE(app::ReportFilePath("D:\\", "\x95\x5C.com"), "");
}

TEST(ProfileText, SetKeyCases) {
  struct Case {
    const char* before;
    const char* section;
    const char* key;
    const char* value;
    const char* after;
  };
  const Case cases[] = {
      {"", "s", "k", "v", "[s]\r\nk=v\r\n"},
      {"[s]\r\nk=old\r\nother=1\r\n", "s", "k", "new", "[s]\r\nk=new\r\nother=1\r\n"},
      {"[S]\r\n K =old\r\n", "s", "k", "new", "[S]\r\nk=new\r\n"},  // names compare without case and blanks
      {"[a]\r\nk=1\r\n\r\n[b]\r\nx=2\r\n", "a", "j", "3", "[a]\r\nk=1\r\nj=3\r\n\r\n[b]\r\nx=2\r\n"},
      {"[a]\nk=1\n", "b", "k", "2", "[a]\nk=1\n\r\n[b]\r\nk=2\r\n"},  // LF lines stay LF
      {"[a]\r\nk=1", "a", "j", "2", "[a]\r\nk=1\r\nj=2\r\n"},          // no line break at the end
      {"; note\r\n[a]\r\n", "a", "k", "v", "; note\r\n[a]\r\nk=v\r\n"},
      {"[域名]\r\n域名=x\r\n", "域名", "域名", "y", "[域名]\r\n域名=y\r\n"},
      // A key of another section is not the key.
      {"[a]\r\nk=1\r\n[b]\r\n", "b", "k", "2", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::SetProfileKey(c.before, c.section, c.key, c.value), c.after) << Hex(c.before);
  }
}

}  // namespace
}  // namespace tzl::test
