#include "lookups/query_dispatch.h"

#include <system_error>
#include <thread>
#include <utility>

#include "lookups/jobs.h"

namespace tzl {

JobStarter DetachedThreadStarter() {
  return [](std::function<void()> job) {
    try {
      std::thread(std::move(job)).detach();
    } catch (const std::system_error&) {
      // Out of threads: this job is lost, the caller goes on with the rest.
    }
  };
}

namespace {

// Reads the box afresh and writes the rewritten text back; a text the step
// leaves as it is is not written, so the box keeps its caret and selection.
void RewriteQueryBox(ResultPanel& panel, Text (*rewrite)(const Text&)) {
  Text query = panel.QueryText();
  Text rewritten = rewrite(query);
  if (rewritten != query) panel.SetQueryText(rewritten);
}

}  // namespace

void ClearResultPanel(ResultPanel& panel) {
  for (int i = 0; i < kResultLabelCount; ++i) panel.SetLabelText(static_cast<ResultLabel>(i), Text());
}

void DispatchLookups(ResultPanel& panel, const JobStarter& start) {
  panel.SetWindowHeight(kBaseHeight);
  panel.SetListTop(ResultList::PriceHistory, kListTop);
  panel.DeleteAllRows(ResultList::PriceHistory);
  RewriteQueryBox(panel, CompleteDomain);
  RewriteQueryBox(panel, RemoveSpaces);
  ResultPanel* target = &panel;
  start([target] { RegistrationLookup(*target); });
  start([target] { ValuationLookup(*target); });
  start([target] { SearchCountLookup(*target); });
  start([target] { PriceHistoryLookup(*target); });
}

void SubmitQuery(ResultPanel& panel, int keyCode, const JobStarter& start) {
  if (keyCode != kEnterKey) return;
  if (panel.QueryText().empty()) return;
  RewriteQueryBox(panel, ReplaceStrayPunctuation);
  panel.SetWindowWidth(kCollapsedWidth);
  ClearResultPanel(panel);
  DispatchLookups(panel, start);
}

void ShowDetails(ResultPanel& panel, const JobStarter& start) {
  if (panel.QueryText().empty()) return;
  RewriteQueryBox(panel, CompleteDomain);
  ResultPanel* target = &panel;
  start([target] { SiteDetailsLookup(*target); });
  panel.SetWindowWidth(kExpandedWidth);
}

}  // namespace tzl
