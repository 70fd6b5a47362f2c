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

// Writes the box only when ".com" is added, so a box that already holds a
// domain keeps its caret and selection.
void CompleteQueryBox(ResultPanel& panel) {
  Text query = panel.QueryText();
  Text completed = CompleteDomain(query);
  if (completed != query) panel.SetQueryText(completed);
}

}  // namespace

void ClearResultPanel(ResultPanel& panel) {
  for (int i = 0; i < kResultLabelCount; ++i) panel.SetLabelText(static_cast<ResultLabel>(i), Text());
}

void DispatchLookups(ResultPanel& panel, const JobStarter& start) {
  panel.SetWindowHeight(kBaseHeight);
  panel.SetListTop(ResultList::PriceHistory, kListTop);
  panel.DeleteAllRows(ResultList::PriceHistory);
  CompleteQueryBox(panel);
  panel.SetQueryText(RemoveSpaces(panel.QueryText()));
  ResultPanel* target = &panel;
  start([target] { RegistrationLookup(*target); });
  start([target] { ValuationLookup(*target); });
  start([target] { SearchCountLookup(*target); });
  start([target] { PriceHistoryLookup(*target); });
}

void SubmitQuery(ResultPanel& panel, int keyCode, const JobStarter& start) {
  if (keyCode != kEnterKey) return;
  if (panel.QueryText().empty()) return;
  panel.SetQueryText(ReplaceStrayPunctuation(panel.QueryText()));
  panel.SetWindowWidth(kCollapsedWidth);
  ClearResultPanel(panel);
  DispatchLookups(panel, start);
}

void ShowDetails(ResultPanel& panel, const JobStarter& start) {
  if (panel.QueryText().empty()) return;
  CompleteQueryBox(panel);
  ResultPanel* target = &panel;
  start([target] { SiteDetailsLookup(*target); });
  panel.SetWindowWidth(kExpandedWidth);
}

}  // namespace tzl
