// The answers the gateway sends: one response, then the connection closes.
#pragma once

#include <string>

namespace tzl {

// A complete HTTP/1.1 response with Content-Length and "Connection: close".
// `extraHeaders` are whole lines, each ending in CR LF. With `headOnly` the
// body is left out and Content-Length still gives its length.
std::string HttpResponse(int status, const std::string& contentType, const std::string& extraHeaders,
                         const std::string& body, bool headOnly = false);

}  // namespace tzl
