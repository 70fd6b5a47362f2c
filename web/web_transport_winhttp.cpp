// The transport over WinHttp, synchronous, one session, connection and
// request per call.
#include <windows.h>
#include <winhttp.h>

#include <string>
#include <vector>

#include "text/codepage.h"
#include "web/connect_to.h"
#include "web/redirect_target.h"
#include "web/request_target.h"
#include "web/url_parts.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

constexpr DWORD kIgnoreCertificateErrors = 0x3300;  // unknown CA, wrong usage, CN invalid, date invalid
constexpr int kMaxRoutedRedirects = 10;

std::wstring Wide(const Text& text) {
  std::u16string utf16 = AnsiToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

Text Narrow(const wchar_t* text, size_t length) { return Utf16ToAnsi(std::u16string(text, text + length)); }

struct CrackedUrl {
  std::wstring host;
  INTERNET_PORT port = 0;
  std::wstring requestPath;
  bool secure = false;
};

bool Crack(const Text& address, CrackedUrl* cracked) {
  std::wstring url = Wide(address);
  URL_COMPONENTS parts;
  ZeroMemory(&parts, sizeof parts);
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
  std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath ? parts.lpszUrlPath : L"", parts.dwUrlPathLength);
  std::wstring extra(parts.lpszExtraInfo ? parts.lpszExtraInfo : L"", parts.dwExtraInfoLength);
  // Wine's cracker lets the host run to the first "/", so "http://h?q=1"
  // comes back with the host "h?q=1"; the host ends at "?" or "#" as well.
  size_t hostEnd = host.find_first_of(L"?#");
  if (hostEnd != std::wstring::npos) {
    host.resize(hostEnd);
    if (host.empty()) return false;
    path.clear();
  }
  cracked->host = host;
  cracked->port = parts.nPort;
  cracked->requestPath = path.empty() ? std::wstring(L"/") : path + extra;
  cracked->secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  return true;
}

bool SetDwordOption(HINTERNET handle, DWORD option, DWORD value) {
  return WinHttpSetOption(handle, option, &value, sizeof value) != FALSE;
}

struct Exchange {
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  void Close() {
    if (request) WinHttpCloseHandle(request);
    if (connection) WinHttpCloseHandle(connection);
    request = connection = nullptr;
  }
  ~Exchange() { Close(); }
};

struct Session {
  HINTERNET handle = nullptr;
  ~Session() {
    if (handle) WinHttpCloseHandle(handle);
  }
};

// Connection, request, credentials, options, header block, send and
// receive for one address.
TransportStep SendOne(HINTERNET session, const TransportRequest& request, const CrackedUrl& url,
                      const std::wstring& method, const std::string& body, bool followRedirects, Exchange* exchange) {
  // TZL_CONNECT_TO: the connection goes to the routed address while the
  // request keeps the real host in its Host line. Through a proxy the
  // connection goes to the proxy, which routing leaves alone, as libcurl's
  // connect-to does.
  Text hostText = Narrow(url.host.data(), url.host.size());
  ConnectTarget target = request.proxy.empty() ? RouteConnection(hostText, url.port) : ConnectTarget{hostText, url.port, false};
  std::wstring connectHost = target.routed ? Wide(target.host) : url.host;
  INTERNET_PORT connectPort = target.routed ? static_cast<INTERNET_PORT>(target.port) : url.port;
  exchange->connection = WinHttpConnect(session, connectHost.c_str(), connectPort, 0);
  if (!exchange->connection) return TransportStep::kConnect;

  // The address arrives already safe for the wire; WinHttp's own escaping
  // would encode the "%" of every escape a caller wrote ("%20" becoming
  // "%2520" under Wine), so the target goes out as built.
  DWORD flags = WINHTTP_FLAG_ESCAPE_DISABLE | WINHTTP_FLAG_ESCAPE_DISABLE_QUERY;
  if (url.secure) flags |= WINHTTP_FLAG_SECURE;
  exchange->request = WinHttpOpenRequest(exchange->connection, method.c_str(), url.requestPath.c_str(), nullptr,
                                         WINHTTP_NO_REFERER, WINHTTP_DEFAULT_ACCEPT_TYPES, flags);
  if (!exchange->request) return TransportStep::kOpenRequest;
  HINTERNET h = exchange->request;
  // The wait for the response headers has a time-out of its own (90 s by
  // default) that WinHttpSetTimeouts leaves alone: bound it by the same t.
  if (!SetDwordOption(h, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, static_cast<DWORD>(request.timeoutMilliseconds))) {
    return TransportStep::kTimeouts;
  }

  if (!request.serverUser.empty() && !request.serverPassword.empty()) {
    std::wstring user = Wide(request.serverUser), password = Wide(request.serverPassword);
    if (!WinHttpSetCredentials(h, WINHTTP_AUTH_TARGET_SERVER, WINHTTP_AUTH_SCHEME_BASIC, user.c_str(),
                               password.c_str(), nullptr)) {
      return TransportStep::kCredentials;
    }
  }
  if (!request.proxyUser.empty() && !request.proxyPassword.empty()) {
    std::wstring user = Wide(request.proxyUser), password = Wide(request.proxyPassword);
    if (!WinHttpSetCredentials(h, WINHTTP_AUTH_TARGET_PROXY, WINHTTP_AUTH_SCHEME_BASIC, user.c_str(),
                               password.c_str(), nullptr)) {
      return TransportStep::kCredentials;
    }
  }

  // Certificate errors never stop a WebRequest: the services it asks are
  // read for public facts only, and nothing secret is sent to them.
  if (!SetDwordOption(h, WINHTTP_OPTION_SECURITY_FLAGS, kIgnoreCertificateErrors)) {
    return TransportStep::kSecurityFlags;
  }
  // With cookies of its own the caller leaves WinHttp's cookie handling as
  // it is; option 79 with the value 1 would switch on certificate
  // revocation checks instead, which nothing here asks for.
  if (!request.cookiesGiven && !SetDwordOption(h, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES)) {
    return TransportStep::kCookieOption;
  }
  if (!followRedirects && !SetDwordOption(h, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_REDIRECTS)) {
    return TransportStep::kRedirectOption;
  }

  // An empty block has nothing to add, and WinHttp refuses an empty list
  // of lines: handing it over would fail every request without a header.
  std::wstring block = Wide(request.headerBlock);
  if (!block.empty() && !WinHttpAddRequestHeaders(h, block.c_str(), static_cast<DWORD>(block.size()),
                                                  WINHTTP_ADDREQ_FLAG_ADD)) {
    return TransportStep::kAddHeaders;
  }
  if (target.routed) {
    std::wstring hostLine = L"Host: " + url.host;
    if (url.port != (url.secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT)) {
      hostLine += L":" + std::to_wstring(url.port);
    }
    if (!WinHttpAddRequestHeaders(h, hostLine.c_str(), static_cast<DWORD>(hostLine.size()),
                                  WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
      return TransportStep::kAddHeaders;
    }
  }

  DWORD bodyLength = static_cast<DWORD>(body.size());
  LPVOID data = bodyLength ? const_cast<char*>(body.data()) : WINHTTP_NO_REQUEST_DATA;
  if (!WinHttpSendRequest(h, WINHTTP_NO_ADDITIONAL_HEADERS, 0, data, bodyLength, bodyLength, 0)) {
    return TransportStep::kSend;
  }
  if (!WinHttpReceiveResponse(h, nullptr)) return TransportStep::kReceive;
  return TransportStep::kNone;
}

// Under routing WinHttp's own redirects would leave the routed address
// (the next hop is connected by its real host name), so the transport
// follows them itself, hop by hop, under WinHttp's policy: at most ten,
// never from https to http, 303 and a POST's 301 or 302 turn into a GET.
bool RoutedRedirect(HINTERNET request, const CrackedUrl& from, std::wstring* method, std::string* body,
                    CrackedUrl* next) {
  DWORD status = 0, size = sizeof status;
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                           WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX)) {
    return false;
  }
  if (status != 301 && status != 302 && status != 303 && status != 307 && status != 308) return false;
  size = 0;
  WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      WINHTTP_NO_HEADER_INDEX);
  if (size == 0) return false;
  std::vector<wchar_t> location(size / sizeof(wchar_t) + 1);
  if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_LOCATION, WINHTTP_HEADER_NAME_BY_INDEX, location.data(), &size,
                           WINHTTP_NO_HEADER_INDEX)) {
    return false;
  }
  UrlParts base;
  base.secure = from.secure;
  base.host = Narrow(from.host.data(), from.host.size());
  base.port = from.port;
  base.requestPath = Narrow(from.requestPath.data(), from.requestPath.size());
  Text address = EncodeUnsafeTargetBytes(RedirectTarget(base, Narrow(location.data(), size / sizeof(wchar_t))));
  if (!Crack(address, next) || (from.secure && !next->secure)) return false;
  if (status == 303 || (*method == L"POST" && (status == 301 || status == 302))) {
    *method = L"GET";
    body->clear();
  }
  return true;
}

}  // namespace

TransportResult SendTransportRequest(const TransportRequest& request) {
  TransportResult result;
  if (!WinHttpCheckPlatform()) {
    result.failedStep = TransportStep::kPlatform;
    return result;
  }
  CrackedUrl url;
  if (!Crack(request.url, &url)) {
    result.failedStep = TransportStep::kCrackUrl;
    return result;
  }

  Session session;
  std::wstring proxyName = Wide(url.secure ? request.proxy : "http=" + request.proxy);
  if (request.proxy.empty()) {
    session.handle = WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  } else {
    session.handle =
        WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxyName.c_str(), WINHTTP_NO_PROXY_BYPASS, 0);
  }
  if (!session.handle) {
    result.failedStep = TransportStep::kSession;
    return result;
  }
  int t = request.timeoutMilliseconds;
  if (!WinHttpSetTimeouts(session.handle, t, t, t, t)) {
    result.failedStep = TransportStep::kTimeouts;
    return result;
  }

  bool followHere = !request.noRedirect && request.proxy.empty() && RoutingConfigured();
  std::wstring method = Wide(request.methodWord);
  std::string body = request.body;
  Exchange exchange;
  for (int hop = 0;; ++hop) {
    result.failedStep = SendOne(session.handle, request, url, method, body, !request.noRedirect && !followHere, &exchange);
    if (result.failedStep != TransportStep::kNone) return result;
    CrackedUrl next;
    if (!followHere || hop == kMaxRoutedRedirects || !RoutedRedirect(exchange.request, url, &method, &body, &next)) {
      break;
    }
    exchange.Close();
    url = next;
  }

  HINTERNET h = exchange.request;
  std::vector<char> buffer;
  for (;;) {
    DWORD available = 0;
    if (!WinHttpQueryDataAvailable(h, &available) || available < 1) break;
    buffer.resize(available);
    DWORD read = 0;
    if (!WinHttpReadData(h, buffer.data(), available, &read)) {
      result.readFailed = true;
      break;
    }
    if (!AppendWithinLimit(&result.body, buffer.data(), read)) break;
  }

  DWORD size = 0;
  WinHttpQueryHeaders(h, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      WINHTTP_NO_HEADER_INDEX);
  std::vector<wchar_t> headers(size / sizeof(wchar_t) + 1);
  DWORD index = 0;
  if (size == 0 || !WinHttpQueryHeaders(h, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                                        headers.data(), &size, &index)) {
    result.failedStep = TransportStep::kRawHeaders;
    return result;
  }
  result.rawHeaders = Narrow(headers.data(), size / sizeof(wchar_t));
  return result;
}

}  // namespace tzl
