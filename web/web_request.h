// WebRequest: one synchronous HTTP(S) request, the body back as
// code-page-936 text (the empty text when a step failed). Each call has
// its own session, connection and request; nothing is shared between calls.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

// The optional arguments with their defaults. Fields marked in/out or out
// are assigned only by the steps that reach them; the others keep what the
// caller put there.
struct WebRequestArgs {
  int method = 0;  // 0 GET 1 POST 2 HEAD 3 PUT 4 OPTIONS 5 DELETE 6 TRACE 7 CONNECT; else GET
  Text bodyText;
  Text cookiesIn;        // in/out
  Text cookiesOut;       // in/out
  Text extraHeaders;     // lines separated by CR LF
  Text responseHeaders;  // out: the raw header block
  bool noRedirect = false;
  Text serverUser;
  Text serverPassword;
  Text proxy;  // "host:port"; empty: no proxy at all
  Text proxyUser;
  Text proxyPassword;
  int timeoutSeconds = 0;  // 0 or less: 30 seconds
  Text location;           // out
  Text status;             // out: "200 OK", or the failure text of the failing step
  std::string responseBytes;  // out: the whole body as received
  bool mergeCookies = true;
  bool addDefaultHeaders = true;
  std::string bodyBytes;  // sent instead of bodyText when not empty
  bool normaliseHeaderCase = true;
};

Text WebRequest(const Text& url, WebRequestArgs& args);
Text WebRequest(const Text& url);

}  // namespace tzl
