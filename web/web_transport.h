// The transport under WebRequest: one request sent and its answer read, by
// WinHttp on Windows and libcurl natively. The portable side builds the
// header block and interprets the answer; a transport only reports which
// of its steps failed.
#pragma once

#include <string>

#include "text/text.h"

namespace tzl {

enum class TransportStep {
  kNone,
  kPlatform,
  kCrackUrl,
  kSession,
  kTimeouts,
  kConnect,
  kOpenRequest,
  kCredentials,
  kSecurityFlags,
  kCookieOption,
  kRedirectOption,
  kAddHeaders,
  kSend,
  kReceive,
  kRawHeaders,  // the raw header block could not be read: no text, empty result
};

struct TransportRequest {
  Text url;  // already safe for the wire
  Text methodWord;
  Text headerBlock;  // handed over as built, even when empty
  std::string body;
  bool noRedirect = false;
  bool cookiesGiven = false;
  Text serverUser, serverPassword;
  Text proxy, proxyUser, proxyPassword;
  int timeoutMilliseconds = 30000;
};

struct TransportResult {
  TransportStep failedStep = TransportStep::kNone;
  bool readFailed = false;  // the body stopped early; what was read is kept
  Text rawHeaders;          // status line first, CR LF lines, empty line last
  std::string body;
};

TransportResult SendTransportRequest(const TransportRequest& request);

// The read loop keeps at most this much of a body: a 32-bit process must
// not die of a hostile endless answer.
constexpr size_t kMaxResponseBodyBytes = 64u * 1024u * 1024u;

// Appends as much of `data` as the limit allows; false once the body is full.
bool AppendWithinLimit(std::string* body, const char* data, size_t size);

}  // namespace tzl
