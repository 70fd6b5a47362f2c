// The absolute address a redirect's Location names, seen from the address
// that answered with it.
#pragma once

#include "text/text.h"
#include "web/url_parts.h"

namespace tzl {

Text RedirectTarget(const UrlParts& from, const Text& location);

}  // namespace tzl
