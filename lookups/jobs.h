// The lookup jobs. Each runs to its end on the calling thread (the
// dispatch gives each a thread of its own), reads the query from the
// panel's query box whenever it builds an address, and writes only its own
// fields of the panel.
#pragma once

#include "lookups/result_panel.h"

namespace tzl {

// Registration record and, outside ".cn", the deletion countdown:
// 注册商网址 注册商 更新日期 注册日期 到期日期 邮箱 电话 (注册人 for ".cn").
void RegistrationLookup(ResultPanel& panel);

// GoDaddy, CXZ and Wanmi values and the CXZ meanings: CXZ, and the shared
// LastMeaning just before it.
void ValuationLookup(ResultPanel& panel);

// Sogou and Baidu backlink and index counts, then the company count and
// the drop-catch status, then the widths of the five count labels.
void SearchCountLookup(ResultPanel& panel);

// Wanmi trades as rows of the price list (price pictures 80 x 20); the
// window and the list grow by the rows.
void PriceHistoryLookup(ResultPanel& panel);

// Search-engine weights, server address and filing facts in the detail list
// (weight pictures 55 x 22).
void SiteDetailsLookup(ResultPanel& panel);

}  // namespace tzl
