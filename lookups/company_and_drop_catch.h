// The second half of the search-count job: the company count, the
// drop-catch status and the widths of the five count labels.
#pragma once

#include "lookups/result_panel.h"

namespace tzl {

// The leading label of the domain: the first byte of the query and what
// follows it up to the next "." ("sub" for "sub.example.org").
Text CompanySearchTerm(const Text& query);

void CompanyCountAndDropCatch(ResultPanel& panel);

}  // namespace tzl
