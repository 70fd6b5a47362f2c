#include "lookups/company_and_drop_catch.h"

#include "lookups/service_hosts.h"
#include "lookups/shared_values.h"
#include "web/plain_fetch.h"
#include "web/web_request.h"

namespace tzl {

namespace {

constexpr int kPixelsPerByte = 8;

void CompanyCount(ResultPanel& panel) {
  Text address = Text("https://") + ServiceHosts::CompanySearch + "/s?q=" + CompanySearchTerm(panel.QueryText());
  CompanySearchAddress().Set(address);
  Text page = WebRequest(address);
  Text count = TextBetween(page, "\"totalNumFound\":", ",\"totalPageNum\"");
  panel.SetLabelText(ResultLabel::Companies, "共匹配到" + count + "个公司企业终端");
}

void DropCatchStatus(ResultPanel& panel) {
  Text name = ReplaceAll(panel.QueryText(), ".", "_");
  Text answer = TextUpToNul(PlainFetch(Text("http://") + ServiceHosts::DropCatch + "/zcp.htm?zcp_udz_go=cx/cha_ydzt&ym=" + name));
  if (!ContainsText(answer, "scsj")) {
    panel.SetLabelText(ResultLabel::DropCatch, "该域名近日没有登录抢注竞价平台");
    return;
  }
  Text time = TextBetween(answer, "\"scsj\":\"", "\",\"sclx\":\"");
  Text type = TextBetween(answer, "\",\"sclx\":\"", "\",\"");
  panel.SetLabelText(ResultLabel::DropCatch, "预定竞价中：" + time + "   类型：" + type);
}

// Each of these labels opens a page on a click, so it is made exactly as
// wide as its text.
void FitCountLabels(ResultPanel& panel) {
  const ResultLabel kCountLabels[] = {ResultLabel::Companies, ResultLabel::BaiduBacklinks, ResultLabel::SogouBacklinks,
                                      ResultLabel::SogouIndex, ResultLabel::BaiduIndex};
  for (ResultLabel label : kCountLabels)
    panel.SetLabelWidth(label, kPixelsPerByte * static_cast<int>(panel.LabelText(label).size()));
}

}  // namespace

Text CompanySearchTerm(const Text& query) {
  if (query.empty()) return Text();
  Text first = query.substr(0, 1);
  return first + TextBetween(query, first, ".");
}

void CompanyCountAndDropCatch(ResultPanel& panel) {
  CompanyCount(panel);
  DropCatchStatus(panel);
  FitCountLabels(panel);
}

}  // namespace tzl
