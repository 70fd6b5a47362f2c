// The plain fetch: one GET of one address with nothing of the caller's own,
// the body bytes back, no bytes on failure. WinInet on Windows, libcurl
// natively. Certificates are verified as those libraries do by default.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

std::string PlainFetch(const Text& url);

}  // namespace tzl
