// An absolute http or https address cut into the parts a request needs,
// with the request-path rule of the WinHttp cracker: an empty path asks for
// "/" and drops the query; otherwise path, query and fragment go out as
// written.
#pragma once

#include "text/text.h"

namespace tzl {

struct UrlParts {
  bool secure = false;
  Text host;  // without brackets for an IPv6 address
  int port = 0;
  bool portGiven = false;
  Text requestPath;
};

// False for anything but scheme://host[:port][/path][?query][#fragment]
// with the scheme http or https.
bool CrackUrl(const Text& url, UrlParts* parts);

// "host" or "host:port" as a Host header names it: the port only when it
// is not the scheme's default.
Text HostHeaderValue(const UrlParts& parts);

}  // namespace tzl
