#include "lookups/jobs.h"
#include "lookups/service_hosts.h"
#include "lookups/shared_values.h"
#include "lookups/valuation_texts.h"
#include "text/codepage.h"
#include "web/plain_fetch.h"

namespace tzl {

void ValuationLookup(ResultPanel& panel) {
  // The appraisal answer is ASCII JSON and used as it comes; the two
  // appraisal pages arrive in UTF-8.
  Text appraisal = TextUpToNul(PlainFetch(Text("https://") + ServiceHosts::Appraisal + "/v1/appraisal/" + panel.QueryText()));
  Text cxzPage = Utf8ToAnsi(TextUpToNul(PlainFetch(Text("http://") + ServiceHosts::Cxz + "/s.php?site=" + panel.QueryText())));
  Text wanmiPage = Utf8ToAnsi(TextUpToNul(PlainFetch(Text("http://") + ServiceHosts::Wanmi + "/gj/" + panel.QueryText())));

  Text firstMeaning;
  Text meanings = MeaningList(cxzPage, &firstMeaning);
  Text label = ValuationLabel(DollarText(appraisal), YuanText(cxzPage), WanmiPrice(wanmiPage), meanings);
  LastMeaning().Set(firstMeaning);
  panel.SetLabelText(ResultLabel::Valuation, label);
}

}  // namespace tzl
