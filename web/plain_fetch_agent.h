// The user agent both plain fetches name themselves by.
#pragma once

namespace tzl {

constexpr char kPlainFetchAgent[] = "Mozilla/4.0 (compatible; MSIE 8.0; Windows NT 6.1)";

}  // namespace tzl
