// tzl's pieces: the command line, input lines, the fields read back out of
// a panel, the JSON text and the tables.
#include <gtest/gtest.h>

#include "cli/cli_options.h"
#include "cli/input_names.h"
#include "cli/json_report.h"
#include "cli/json_text.h"
#include "cli/name_lookup.h"
#include "cli/panel_fields.h"
#include "cli/progress_line.h"
#include "cli/text_report.h"
#include "tests/support/test_support.h"

namespace tzl {
namespace {

TEST(CommandLine, AcceptsNamesAndOptions) {
  CliOptions options;
  std::string error;
  ASSERT_TRUE(ParseCliOptions({"--json", "a.com", "-j", "16", "-", "--no-details", "b.cn"}, &options, &error));
  EXPECT_TRUE(options.json);
  EXPECT_FALSE(options.details);
  EXPECT_EQ(options.parallelNames, 16);
  EXPECT_EQ(options.names, (std::vector<Text>{"a.com", "-", "b.cn"}));

  ASSERT_TRUE(ParseCliOptions({"-j1", "--", "--json", ""}, &options, &error));
  EXPECT_EQ(options.parallelNames, 1);
  EXPECT_FALSE(options.json);
  EXPECT_EQ(options.names, (std::vector<Text>{"--json", ""}));  // the empty one is refused later, by name
  ASSERT_TRUE(ParseCliOptions({"--jobs=8", "x"}, &options, &error));
  EXPECT_EQ(options.parallelNames, 8);
  ASSERT_TRUE(ParseCliOptions({"x"}, &options, &error));
  EXPECT_EQ(options.parallelNames, kDefaultParallelNames);
  EXPECT_TRUE(options.details);

  ASSERT_TRUE(ParseCliOptions({"whois-gateway", "--listen", "0.0.0.0:4343"}, &options, &error));
  EXPECT_EQ(options.mode, CliOptions::Mode::Gateway);
  EXPECT_EQ(options.listenAddress, "0.0.0.0:4343");
  ASSERT_TRUE(ParseCliOptions({"whois-gateway"}, &options, &error));
  EXPECT_EQ(options.listenAddress, "127.0.0.1:4343");
  ASSERT_TRUE(ParseCliOptions({"--help", "--bogus"}, &options, &error));
  EXPECT_EQ(options.mode, CliOptions::Mode::Help);
}

TEST(CommandLine, UsageErrorsSayWhatIsWrongOnOneLine) {
  struct Case {
    std::vector<Text> args;
    const char* error;
  };
  const Case cases[] = {
      {{}, "no names given"},
      {{"--json"}, "no names given"},
      {{"--bogus", "a.com"}, "unknown option --bogus"},
      {{"-x"}, "unknown option -x"},
      {{"a.com", "-j"}, "-j needs a number from 1 to 64"},
      {{"-j", "0", "a.com"}, "-j needs a number from 1 to 64"},
      {{"-j", "65", "a.com"}, "-j needs a number from 1 to 64"},
      {{"-jx", "a.com"}, "-j needs a number from 1 to 64"},
      {{"-j", "-3", "a.com"}, "-j needs a number from 1 to 64"},
      {{"whois-gateway", "--listen"}, "--listen needs ADDR:PORT"},
      {{"whois-gateway", "a.com"}, "whois-gateway does not take a.com"},
  };
  for (const Case& c : cases) {
    CliOptions options;
    std::string error;
    EXPECT_FALSE(ParseCliOptions(c.args, &options, &error));
    EXPECT_EQ(error, c.error);
  }
}

TEST(InputNames, OneNamePerLineInUtf8OrCodePage936) {
  const std::string input = std::string("\xEF\xBB\xBF") + "a.com\r\n\n   \nb.cn\n" + u8"中文.cn\n" + "华夏.cn" + "\n\tc.com";
  EXPECT_EQ(NamesFromLines(input), (std::vector<Text>{"a.com", "b.cn", "中文.cn", "华夏.cn", "\tc.com"}));
  EXPECT_TRUE(NamesFromLines("").empty());
  EXPECT_TRUE(NamesFromLines("\n\r\n").empty());
}

TEST(NameChecks, NamesTheWindowCouldNotMeanAreRefused) {
  EXPECT_EQ(NameProblem("example.com"), "");
  EXPECT_EQ(NameProblem("ex ample"), "");  // becomes example.com, as in the window
  EXPECT_EQ(NameProblem(u8"例子.中国"), "");
  EXPECT_EQ(NameProblem(""), "empty name");
  EXPECT_EQ(NameProblem("   "), "empty name");
  EXPECT_EQ(NameProblem("\xA1\xA1"), "empty name");  // the ideographic blank
  EXPECT_EQ(NameProblem("a\tb.com"), "control characters in the name");
  EXPECT_EQ(NameProblem(std::string("a\0b.com", 7)), "control characters in the name");
  EXPECT_EQ(NameProblem(std::string(250, 'a') + ".com"), "name longer than 253 bytes");
}

TEST(JsonText, StringsAreEscapedAndAlwaysValidUtf8) {
  EXPECT_EQ(JsonString("plain"), "\"plain\"");
  EXPECT_EQ(JsonString("q\"b\\s/"), "\"q\\\"b\\\\s/\"");
  EXPECT_EQ(JsonString("\r\n\t\b\f\x01\x1F\x7F"), "\"\\r\\n\\t\\b\\f\\u0001\\u001f\\u007f\"");
  EXPECT_EQ(JsonString(std::string("a\0b", 3)), "\"a\\u0000b\"");
  EXPECT_EQ(JsonString(u8"中文"), std::string("\"") + u8"中文" + "\"");
  // Not UTF-8: a lone continuation byte, a cut sequence, an overlong form.
  EXPECT_EQ(JsonString("a\x80z"), std::string("\"a") + u8"\uFFFD" + "z\"");
  EXPECT_EQ(JsonString("a\xE4\xB8"), std::string("\"a") + u8"\uFFFD\uFFFD" + "\"");
  EXPECT_EQ(JsonString("\xC0\xAF"), std::string("\"") + u8"\uFFFD\uFFFD" + "\"");
  EXPECT_EQ(JsonObject().Add("k", "v").AddRaw("n", JsonArray({"1", "{}"})).Text(), "{\"k\":\"v\",\"n\":[1,{}]}");
}

// A panel filled with what the jobs write for one name.
void FillPanel(MemoryResultPanel& panel) {
  panel.SetLabelText(ResultLabel::RegistrarUrl, "注册商网址：http://www.net.cn\r\n   ");
  panel.SetLabelText(ResultLabel::Registrar, "注册商：Alibaba Cloud\r\n   ");
  panel.SetLabelText(ResultLabel::Updated, "更新：");
  panel.SetLabelText(ResultLabel::Created, "注册：1999-05-06T04:00:00Z\r\n   ");
  panel.SetLabelText(ResultLabel::Expires, "到期：2027-05-06T04:00:00Z\r\n   3d20h后删除");
  panel.SetLabelText(ResultLabel::Valuation,
                     "Godaddy保守估值为:大于25000美元（仅适用于英文域名）\r\n\r\nCXZ估值为：15.6000万元   玩米网： 9.8万 元"
                     "\r\n\r\n域名含义：万象，万向，");
  panel.SetLabelText(ResultLabel::SogouBacklinks, "搜狗反链：0条");
  panel.SetLabelText(ResultLabel::BaiduBacklinks, "百度反链：条");
  panel.SetLabelText(ResultLabel::Companies, "共匹配到1523个公司企业终端");
  panel.SetLabelText(ResultLabel::DropCatch, "预定竞价中：2027-01-08 10:00:00   类型：竞价");
  int row = panel.AppendRow(ResultList::PriceHistory);
  panel.SetCellText(ResultList::PriceHistory, row, 1, "一口价");
  panel.SetCellText(ResultList::PriceHistory, row, 2, "2023-02-14 16:30:00");
  panel.SetCellText(ResultList::PriceHistory, row, 3, "聚名网");
  panel.SetCellText(ResultList::Details, 0, 1, "3,560");
  panel.SetCellText(ResultList::Details, 8, 1, "198.51.100.7");
  panel.SetCellText(ResultList::Details, 9, 1, "浙ICP备05019873号-3");
}

TEST(PanelFields, ValuesComeWithoutPrefixesUnitsAndLineBreaks) {
  MemoryResultPanel panel("wanxiang.com");
  FillPanel(panel);
  NameFields fields = ReadNameFields(panel);
  EXPECT_EQ(fields.query, "wanxiang.com");
  EXPECT_EQ(fields.registrarUrl, "http://www.net.cn");
  EXPECT_EQ(fields.registrar, "Alibaba Cloud");
  EXPECT_EQ(fields.updated, "");
  EXPECT_EQ(fields.expires, "2027-05-06T04:00:00Z");
  EXPECT_EQ(fields.deletionCountdown, "3d20h");
  EXPECT_EQ(fields.registrant, "");
  EXPECT_EQ(fields.godaddy, "大于25000");
  EXPECT_EQ(fields.cxz, "15.6000万元");
  EXPECT_EQ(fields.wanmi, "9.8万");
  EXPECT_EQ(fields.meanings, "万象，万向，");
  EXPECT_EQ(fields.sogouBacklinks, "0");
  EXPECT_EQ(fields.baiduBacklinks, "");
  EXPECT_EQ(fields.companies, "1523");
  EXPECT_EQ(fields.dropCatchTime, "2027-01-08 10:00:00");
  EXPECT_EQ(fields.dropCatchType, "竞价");
  ASSERT_EQ(fields.priceHistory.size(), 1u);
  EXPECT_EQ(fields.priceHistory[0].platform, "聚名网");
  EXPECT_EQ(fields.priceHistory[0].picture, "");
  ASSERT_EQ(fields.weights.size(), 7u);
  EXPECT_EQ(fields.weights[0].key, "baidu_pc");
  EXPECT_EQ(fields.weights[0].visitors, "3,560");
  EXPECT_EQ(fields.ip, "198.51.100.7");
  EXPECT_EQ(fields.filingLicence, "浙ICP备05019873号-3");
}

TEST(PanelFields, FixedWordingWithNothingBetweenGivesEmptyValues) {
  MemoryResultPanel panel("x.com");
  panel.SetLabelText(ResultLabel::Expires, "到期：");
  panel.SetLabelText(ResultLabel::Valuation,
                     "Godaddy保守估值为:美元（仅适用于英文域名）\r\n\r\nCXZ估值为：元   玩米网：元\r\n\r\n域名含义：");
  panel.SetLabelText(ResultLabel::Companies, "共匹配到个公司企业终端");
  panel.SetLabelText(ResultLabel::DropCatch, "该域名近日没有登录抢注竞价平台");
  NameFields fields = ReadNameFields(panel);
  for (const Text* value : {&fields.expires, &fields.deletionCountdown, &fields.godaddy, &fields.cxz, &fields.wanmi,
                            &fields.meanings, &fields.companies, &fields.dropCatchTime, &fields.dropCatchType}) {
    EXPECT_EQ(*value, "");
  }
  EXPECT_EQ(fields.dropCatch, "该域名近日没有登录抢注竞价平台");

  panel.SetLabelText(ResultLabel::Valuation, "Godaddy保守估值为:1美元（仅适用于英文域名）\r\n\r\nCXZ无法估值   玩米网：元");
  EXPECT_EQ(ReadNameFields(panel).cxz, "无法估值");
}

TEST(TextReport, FieldsShowAsInTheWindowOneLineEach) {
  MemoryResultPanel panel("wanxiang.com");
  FillPanel(panel);
  Text report = FormatTextReport(panel, false);
  EXPECT_EQ(report,
            "wanxiang.com\n"
            "  注册商：Alibaba Cloud\n"
            "  注册商网址：http://www.net.cn\n"
            "  更新：\n"
            "  注册：1999-05-06T04:00:00Z\n"
            "  到期：2027-05-06T04:00:00Z 3d20h后删除\n"
            "  预定竞价中：2027-01-08 10:00:00   类型：竞价\n"
            "  Godaddy保守估值为:大于25000美元（仅适用于英文域名）\n"
            "  CXZ估值为：15.6000万元   玩米网： 9.8万 元\n"
            "  域名含义：万象，万向，\n"
            "  搜狗反链：0条\n"
            "  百度反链：条\n"
            "  共匹配到1523个公司企业终端\n"
            "  价格记录\n"
            "    价格  类型    交易时间             交易平台\n"
            "          一口价  2023-02-14 16:30:00  聚名网\n");
  // No weight pictures: the picture column is empty and takes no room.
  Text details = FormatTextReport(panel, true);
  EXPECT_NE(FindText(details, "  详细信息\n    权重-搜索引擎      来路IP\n    百度PC             3,560\n"), kNotFound) << details;
  EXPECT_NE(FindText(details, "\n    ip地址：           198.51.100.7\n"), kNotFound) << details;
}

TEST(TextReport, TableColumnsAlignOnDoubleWidthCharacters) {
  EXPECT_EQ(AlignedTable({{"价格", "a"}, {"x", "中文"}, {"一二三", ""}}, "> "),
            "> 价格    a\n"
            "> x       中文\n"
            "> 一二三\n");
}

TEST(Progress, SaysNamesDoneOfAllAndTheTimeSinceTheStart) {
  EXPECT_EQ(ProgressText(0, 200, 0), "0/200 names, 0:00 elapsed");
  EXPECT_EQ(ProgressText(12, 200, 65999), "12/200 names, 1:05 elapsed");
}

}  // namespace
}  // namespace tzl
