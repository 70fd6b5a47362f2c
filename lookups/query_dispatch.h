// Query entry and dispatch over any ResultPanel: what Enter in the query
// box, the watched query file and the more button do. The query box holds
// the query; each step reads it afresh and writes its result back before
// the next step reads it, and the jobs read it again when they need it.
#pragma once

#include <functional>

#include "lookups/query_cleaning.h"
#include "lookups/result_panel.h"

namespace tzl {

constexpr int kCollapsedWidth = 379;  // detail panel hidden
constexpr int kExpandedWidth = 777;   // detail panel shown
constexpr int kBaseHeight = 444;      // window height without price rows
constexpr int kListTop = 444;         // price list just below the base height
constexpr int kEnterKey = 13;

// Starts a job on a thread of its own and returns without waiting for it.
using JobStarter = std::function<void(std::function<void()>)>;

// Starts each job on a detached std::thread. A thread that cannot start is
// not reported; the jobs started after it still start.
JobStarter DetachedThreadStarter();

// Empties the fifteen result labels; the hint label and the lists stay.
void ClearResultPanel(ResultPanel& panel);

// Resets the layout, empties the price list, completes and cleans the
// query box and starts the four jobs of a query in their fixed order. The
// panel must outlive the jobs: they write to it until they end.
void DispatchLookups(ResultPanel& panel, const JobStarter& start = DetachedThreadStarter());

// The query box's key handler: acts on Enter alone, and not on an empty box.
void SubmitQuery(ResultPanel& panel, int keyCode, const JobStarter& start = DetachedThreadStarter());

// The more button: starts the detail job and widens the window; nothing
// happens for an empty box.
void ShowDetails(ResultPanel& panel, const JobStarter& start = DetachedThreadStarter());

}  // namespace tzl
