#include "lookups/jobs.h"
#include "lookups/lookup_patterns.h"
#include "lookups/picture_cell.h"
#include "lookups/service_hosts.h"
#include "text/regex_matcher.h"
#include "web/web_request.h"

namespace tzl {

namespace {

constexpr int kWeightWidth = 55, kWeightHeight = 22;
constexpr int kEngineRows = 7;      // rows 0-6: one per engine
constexpr int kAddressRow = 8;      // rows 9-13 follow with the filing facts
constexpr int kFilingFacts = 5;
constexpr int kValueColumn = 1;

void WriteRanks(ResultPanel& panel, RegexMatcher& matcher) {
  const ResultList list = ResultList::Details;
  matcher.Create(kRankPattern, WebRequest(Text("https://") + ServiceHosts::Rank + "/" + panel.QueryText()));
  panel.ResetImageList(list, kWeightWidth, kWeightHeight);
  const int matches = matcher.MatchCount();
  for (int i = 1; i <= matches; ++i) {
    int image = FetchPictureIntoList(panel, list, "https:" + matcher.SubMatchText(i, 6));
    panel.SetCellImage(list, i - 1, image);
    panel.SetCellText(list, i - 1, kValueColumn, RemoveAll(matcher.SubMatchText(i, 3), ">"));
  }
  // Engine rows this page did not give keep the earlier figures, but their
  // image indexes pointed into the list just replaced: blank them rather
  // than show whichever new picture has that index.
  for (int row = matches; row < kEngineRows; ++row) panel.SetCellImage(list, row, -1);
}

}  // namespace

void SiteDetailsLookup(ResultPanel& panel) {
  RegexMatcher matcher;
  WriteRanks(panel, matcher);

  const ResultList list = ResultList::Details;
  Text addressPage = WebRequest(Text("http://") + ServiceHosts::ServerAddress + "/" + panel.QueryText());
  Text filingPage = WebRequest(Text("http://") + ServiceHosts::SiteFiling + "/home/info?host=" + panel.QueryText());
  panel.SetCellText(list, kAddressRow, kValueColumn, TextBetween(addressPage, "onclick=\"AiWenIpData('", "')\">"));
  matcher.Create(kFilingPattern, filingPage);
  for (int fact = 1; fact <= kFilingFacts; ++fact)
    panel.SetCellText(list, kAddressRow + fact, kValueColumn, matcher.SubMatchText(1, fact));
}

}  // namespace tzl
