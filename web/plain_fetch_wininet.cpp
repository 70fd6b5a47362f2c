// The plain fetch over WinInet. Redirects are followed here, one hop at a
// time, so that each hop's certificate check depends on that hop's own
// routing.
#include <windows.h>
#include <wininet.h>

#include <string>
#include <vector>

#include "text/codepage.h"
#include "web/connect_to.h"
#include "web/plain_fetch.h"
#include "web/plain_fetch_agent.h"
#include "web/redirect_target.h"
#include "web/request_target.h"
#include "web/url_parts.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

constexpr int kMaxRedirects = 10;
constexpr DWORD kTimeoutMilliseconds = 30000;

std::wstring Wide(const Text& text) {
  std::u16string utf16 = AnsiToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

struct InternetHandle {
  HINTERNET handle = nullptr;
  explicit InternetHandle(HINTERNET h) : handle(h) {}
  ~InternetHandle() {
    if (handle) InternetCloseHandle(handle);
  }
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;
};

bool QueryNumber(HINTERNET request, DWORD info, DWORD* value) {
  DWORD size = sizeof *value, index = 0;
  return HttpQueryInfoW(request, info | HTTP_QUERY_FLAG_NUMBER, value, &size, &index) != FALSE;
}

Text QueryText(HINTERNET request, DWORD info) {
  DWORD size = 0, index = 0;
  HttpQueryInfoW(request, info, nullptr, &size, &index);
  if (size == 0) return Text();
  std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1);
  index = 0;
  if (!HttpQueryInfoW(request, info, buffer.data(), &size, &index)) return Text();
  const wchar_t* text = buffer.data();
  return Utf16ToAnsi(std::u16string(text, text + size / sizeof(wchar_t)));
}

enum class Hop { kFailed, kBody, kRedirect };

Hop FetchOnce(HINTERNET session, const Text& url, std::string* body, Text* next) {
  UrlParts parts;
  if (!CrackUrl(url, &parts)) return Hop::kFailed;
  ConnectTarget target = RouteConnection(parts.host, parts.port);
  std::wstring host = Wide(target.routed ? target.host : parts.host);
  InternetHandle connection(InternetConnectW(session, host.c_str(), static_cast<INTERNET_PORT>(target.port), nullptr,
                                             nullptr, INTERNET_SERVICE_HTTP, 0, 0));
  if (!connection.handle) return Hop::kFailed;
  DWORD flags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_NO_COOKIES | INTERNET_FLAG_NO_UI |
                INTERNET_FLAG_NO_AUTO_REDIRECT | INTERNET_FLAG_PRAGMA_NOCACHE;
  if (parts.secure) flags |= INTERNET_FLAG_SECURE;
  std::wstring path = Wide(parts.requestPath);
  InternetHandle request(HttpOpenRequestW(connection.handle, L"GET", path.c_str(), nullptr, nullptr, nullptr, flags, 0));
  if (!request.handle) return Hop::kFailed;
  if (target.routed) {
    // Certificates are checked as WinInet does by default. Only a
    // connection that TZL_CONNECT_TO sends to another server trusts that
    // server's certificate: it was chosen on purpose (the test services, a
    // user's own relay) and cannot hold a certificate for the real host.
    if (parts.secure) {
      DWORD security = 0, size = sizeof security;
      InternetQueryOptionW(request.handle, INTERNET_OPTION_SECURITY_FLAGS, &security, &size);
      security |= SECURITY_FLAG_IGNORE_UNKNOWN_CA | SECURITY_FLAG_IGNORE_CERT_CN_INVALID |
                  SECURITY_FLAG_IGNORE_CERT_DATE_INVALID | SECURITY_FLAG_IGNORE_WRONG_USAGE;
      InternetSetOptionW(request.handle, INTERNET_OPTION_SECURITY_FLAGS, &security, sizeof security);
    }
    // A routed connection is never kept for later requests: WinInet would
    // hand it, certificate unchecked, to a direct request to that address.
    std::wstring hostLine = Wide("Host: " + HostHeaderValue(parts) + "\r\nConnection: close");
    HttpAddRequestHeadersW(request.handle, hostLine.c_str(), static_cast<DWORD>(hostLine.size()),
                           HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
  }
  if (!HttpSendRequestW(request.handle, nullptr, 0, nullptr, 0)) return Hop::kFailed;

  DWORD status = 0;
  QueryNumber(request.handle, HTTP_QUERY_STATUS_CODE, &status);
  if (status == 301 || status == 302 || status == 303 || status == 307 || status == 308) {
    Text location = QueryText(request.handle, HTTP_QUERY_LOCATION);
    if (!location.empty()) {
      *next = RedirectTarget(parts, location);
      return Hop::kRedirect;
    }
  }
  std::string received;
  char buffer[16384];
  for (;;) {
    DWORD read = 0;
    if (!InternetReadFile(request.handle, buffer, sizeof buffer, &read)) return Hop::kFailed;
    if (read == 0) break;
    if (!AppendWithinLimit(&received, buffer, read)) break;
  }
  // WinInet ends a body cut short like a complete one; the announced length
  // tells them apart, as libcurl does.
  DWORD announced = 0;
  if (received.size() < kMaxResponseBodyBytes && QueryNumber(request.handle, HTTP_QUERY_CONTENT_LENGTH, &announced) &&
      received.size() < announced) {
    return Hop::kFailed;
  }
  *body = std::move(received);
  return Hop::kBody;
}

}  // namespace

std::string PlainFetch(const Text& url) {
  std::wstring agent = Wide(kPlainFetchAgent);
  InternetHandle session(InternetOpenW(agent.c_str(), INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
  if (!session.handle) return std::string();
  DWORD timeout = kTimeoutMilliseconds;
  InternetSetOptionW(session.handle, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionW(session.handle, INTERNET_OPTION_SEND_TIMEOUT, &timeout, sizeof timeout);
  InternetSetOptionW(session.handle, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout);
  Text address = EncodeUnsafeTargetBytes(url);
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    std::string body;
    Text next;
    switch (FetchOnce(session.handle, address, &body, &next)) {
      case Hop::kFailed: return std::string();
      case Hop::kBody: return body;
      case Hop::kRedirect: address = EncodeUnsafeTargetBytes(next); break;
    }
  }
  return std::string();
}

}  // namespace tzl
