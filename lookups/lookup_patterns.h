// The regular expressions the jobs cut pages with (code-page-936 text). The
// price, rank and filing patterns must stay byte for byte as they are: their
// lengths are checked so that a slip in an escape does not go unnoticed.
#pragma once

namespace tzl {

// One meaning on the CXZ page: group 3 is the link text.
constexpr char kMeaningPattern[] = "<a title=\"(.*?)\"(.*?)\">(.*?)</a>";

// One trade row of the Wanmi price history: group 3 the price picture's
// address, 4 the type, 5 the time, 6 the platform.
constexpr char kTradePattern[] =
    "<td><img ws=\"(.*?)\" /><a title=\"查看whois\" class=\"awhois\" href=\"(.*?)\" "
    "target=\"_blank\">Whois</a></td>[\\s|\\S]*?<td>[\\s|\\S]*?<img ws=\"(.*?)\" />[\\s|\\S]*?"
    "</td>[\\s|\\S]*?<td>(.*?)</td>[\\s|\\S]*?<td>(.*?)</td>[\\s|\\S]*?<td class=\"pr5\">(.*?)</td>";

// One engine row of the Aizhan rank table: group 3 the visitor figure
// after the tag's ">", group 6 the weight picture's address without scheme.
constexpr char kRankPattern[] =
    "<td align=\"center\"><a href=\"(.*?)\" target=\"_blank\" id=\"(.*?)\"(.*?)</a></td>[\\s|\\S]*?"
    "<td align=\"center\"><a href=\"(.*?)\" target=\"_blank\" id=\"(.*?)\"><img src=\"(.*?)\"/>";

// The Chinaz filing page: groups 1 to 5 are licence, approval date, owner,
// owner type and site name.
constexpr char kFilingPattern[] =
    "<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?"
    "</div>[\\s|\\S]*?<div class=\"siteInfo\">[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>"
    "[\\s|\\S]*?<p>(.*?)</p>[\\s|\\S]*?<p>(.*?)</p>";

static_assert(sizeof kTradePattern - 1 == 236, "trade pattern changed");
static_assert(sizeof kRankPattern - 1 == 164, "rank pattern changed");
static_assert(sizeof kFilingPattern - 1 == 205, "filing pattern changed");

}  // namespace tzl
