#include "lookups/jobs.h"
#include "lookups/lookup_patterns.h"
#include "lookups/picture_cell.h"
#include "lookups/service_hosts.h"
#include "text/regex_matcher.h"
#include "web/web_request.h"

namespace tzl {

namespace {

constexpr int kPriceWidth = 80, kPriceHeight = 20;
constexpr int kRowHeight = 20, kListChrome = 35;  // per row, and the header and borders

enum PriceColumn { kPrice = 0, kType = 1, kTime = 2, kPlatform = 3 };

}  // namespace

void PriceHistoryLookup(ResultPanel& panel) {
  RegexMatcher matcher;
  Text page = WebRequest(Text("http://") + ServiceHosts::Wanmi + "/ls/?ym=" + panel.QueryText());
  matcher.Create(kTradePattern, page);
  const int trades = matcher.MatchCount();
  if (trades == 0) return;

  const ResultList list = ResultList::PriceHistory;
  panel.ResetImageList(list, kPriceWidth, kPriceHeight);
  for (int i = 1; i <= trades; ++i) {
    // Wanmi shows prices only as pictures.
    int image = FetchPictureIntoList(panel, list, matcher.SubMatchText(i, 3));
    panel.AppendRow(list);
    int row = i - 1;
    panel.SetCellImage(list, row, image);
    panel.SetCellText(list, row, kType, matcher.SubMatchText(i, 4));
    panel.SetCellText(list, row, kTime, matcher.SubMatchText(i, 5));
    panel.SetCellText(list, row, kPlatform, matcher.SubMatchText(i, 6));
  }
  const int grow = trades * kRowHeight + kListChrome;
  panel.SetWindowHeight(panel.WindowHeight() + grow);
  panel.SetListHeight(list, grow);
}

}  // namespace tzl
