// The cutting patterns that the lookups run over web pages, and builders of
// page snippets they match, shared by the matcher tests and the benchmarks.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl::test {

// One trade row of the price-history page.
inline const Text kTradePattern =
    "<td><img ws=\"(.*?)\" /><a title=\"查看whois\" class=\"awhois\" href=\"(.*?)\" "
    "target=\"_blank\">Whois</a></td>[\\s|\\S]*?<td>[\\s|\\S]*?<img ws=\"(.*?)\" />"
    "[\\s|\\S]*?</td>[\\s|\\S]*?<td>(.*?)</td>[\\s|\\S]*?<td>(.*?)</td>[\\s|\\S]*?"
    "<td class=\"pr5\">(.*?)</td>";

// One engine's row of the rank table.
inline const Text kRankPattern =
    "<td align=\"center\"><a href=\"(.*?)\" target=\"_blank\" id=\"(.*?)\"(.*?)</a></td>"
    "[\\s|\\S]*?<td align=\"center\"><a href=\"(.*?)\" target=\"_blank\" id=\"(.*?)\">"
    "<img src=\"(.*?)\"/>";

// The facts of a site's filing.
inline const Text kFilingPattern =
    "<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>"
    "[\\s|\\S]*?</div>[\\s|\\S]*?<div class=\"siteInfo\">[\\s|\\S]*?<p>(.*?)</p>"
    "[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>";

// The meanings of a name on the valuation page.
inline const Text kMeaningsPattern = "<a title=\"(.*?)\"(.*?)\">(.*?)</a>";

// The character set a page declares.
inline const Text kCharsetPattern = "<meta.+?charset=[^\\w]?([-\\w]+)";

inline Text TradeIcon(int i) { return "http://www.wanmi.cc/images/ico" + std::to_string(i % 7) + ".png"; }
inline Text TradeWhois(int i) { return "http://www.wanmi.cc/whois/?ym=t" + std::to_string(i) + ".com"; }
inline Text TradePrice(int i) { return "http://www.wanmi.cc/price/" + std::to_string(i) + ".png"; }

// What the trade pattern matches of a row: its first cell to the end of the
// platform cell.
inline Text TradeRowMatch(int i, const Text& type, const Text& time, const Text& platform) {
  return "<td><img ws=\"" + TradeIcon(i) + "\" /><a title=\"查看whois\" class=\"awhois\" href=\"" +
         TradeWhois(i) + "\" target=\"_blank\">Whois</a></td>\r\n<td>\r\n  <img ws=\"" +
         TradePrice(i) + "\" />\r\n</td>\r\n<td>" + type + "</td>\r\n<td>" + time +
         "</td>\r\n<td class=\"pr5\">" + platform + "</td>";
}

inline Text TradeRow(int i, const Text& type, const Text& time, const Text& platform) {
  return "<tr>\r\n" + TradeRowMatch(i, type, time, platform) + "\r\n</tr>\r\n";
}

// A history page of `rows` trades, as the price-history service lays it out.
inline Text TradeHistoryPage(int rows) {
  static const char* const kTypes[] = {"一口价", "竞价", "议价"};
  static const char* const kPlatforms[] = {"聚名网", "易名中国", "玩米网", "阿里云"};
  Text page =
      "<!DOCTYPE html>\r\n<html>\r\n<head><meta charset=\"gbk\"><title>历史交易记录</title></head>\r\n"
      "<body>\r\n<div class=\"ls\">\r\n<table class=\"tb\">\r\n"
      "<tr><th>价格</th><th>类型</th><th>交易时间</th><th>交易平台</th></tr>\r\n";
  for (int i = 1; i <= rows; ++i) {
    std::string day = std::to_string(10 + i % 18);
    page += TradeRow(i, kTypes[i % 3], "20" + std::to_string(10 + i % 14) + "-0" +
                                           std::to_string(1 + i % 9) + "-" + day + " 12:00",
                     kPlatforms[i % 4]);
  }
  page += "</table>\r\n</div>\r\n<div class=\"foot\">玩米网 版权所有</div>\r\n</body>\r\n</html>\r\n";
  return page;
}

inline Text FilingMatch() {
  return "<p>京ICP证030173号-1</p>\n<p>2019-05-20</p>\n<p>北京百度网讯科技有限公司</p>\n"
         "<p>企业</p>\n</div>\n<div class=\"siteInfo\">\n<p>百度</p>\n<p>--</p>\n<p>--</p>\n"
         "<p>--</p>";
}

inline Text FilingPage() {
  return "<h2>网站备案信息</h2>\n<div class=\"zhuban\">\n" + FilingMatch() + "\n</div>\n";
}

}  // namespace tzl::test
