#include "lookups/company_and_drop_catch.h"
#include "lookups/jobs.h"
#include "lookups/service_hosts.h"
#include "web/web_request.h"

namespace tzl {

namespace {

// The backlink searches look for the name between curly quotation marks,
// U+201C and U+201D percent-encoded as UTF-8.
const char kOpenQuote[] = "%E2%80%9C";
const char kCloseQuote[] = "%E2%80%9D";

Text SogouPage(const Text& pathAndQuery) { return WebRequest(Text("https://") + ServiceHosts::Sogou + pathAndQuery); }
Text BaiduPage(const Text& pathAndQuery) { return WebRequest(Text("https://") + ServiceHosts::Baidu + pathAndQuery); }

Text SogouCount(const Text& page) { return TextBetween(page, "搜狗已为您找到约", "条相关结果"); }
Text BaiduCount(const Text& page) { return TextBetween(page, "百度为您找到相关结果约", "个"); }

}  // namespace

void SearchCountLookup(ResultPanel& panel) {
  Text sogouBacklinks = SogouPage("/web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=" + Text(kOpenQuote) + panel.QueryText() + kCloseQuote);
  // Sogou's empty result page gives no count at all.
  if (ContainsText(sogouBacklinks, "抱歉，没有找到与"))
    panel.SetLabelText(ResultLabel::SogouBacklinks, "搜狗反链：0条");
  else
    panel.SetLabelText(ResultLabel::SogouBacklinks, "搜狗反链：" + SogouCount(sogouBacklinks) + "条");

  Text baiduBacklinks = BaiduPage("/s?ie=utf-8&f=8&rsv_bp=1&rsv_idx=1&tn=baidu&wd=" + Text(kOpenQuote) + panel.QueryText() + kCloseQuote);
  panel.SetLabelText(ResultLabel::BaiduBacklinks, "百度反链：" + BaiduCount(baiduBacklinks) + "条");

  Text sogouIndex = SogouPage("/web?query=site:" + panel.QueryText());
  panel.SetLabelText(ResultLabel::SogouIndex, "搜狗收录：" + SogouCount(sogouIndex) + "条");

  Text baiduIndex = BaiduPage("/s?wd=site:" + panel.QueryText());
  panel.SetLabelText(ResultLabel::BaiduIndex, "百度收录：" + BaiduCount(baiduIndex) + "条");

  CompanyCountAndDropCatch(panel);
}

}  // namespace tzl
