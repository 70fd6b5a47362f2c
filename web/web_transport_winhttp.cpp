// The transport over WinHttp, synchronous, one session, connection and
// request per call.
#include <windows.h>
#include <winhttp.h>

#include <string>
#include <vector>

#include "text/codepage.h"
#include "web/connect_to.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

constexpr DWORD kIgnoreCertificateErrors = 0x3300;  // unknown CA, wrong usage, CN invalid, date invalid

std::wstring Wide(const Text& text) {
  std::u16string utf16 = AnsiToUtf16(text);
  return std::wstring(utf16.begin(), utf16.end());
}

Text Narrow(const wchar_t* text, size_t length) {
  return Utf16ToAnsi(std::u16string(text, text + length));
}

struct Handles {
  HINTERNET session = nullptr;
  HINTERNET connection = nullptr;
  HINTERNET request = nullptr;
  ~Handles() {
    if (request) WinHttpCloseHandle(request);
    if (connection) WinHttpCloseHandle(connection);
    if (session) WinHttpCloseHandle(session);
  }
};

bool SetDwordOption(HINTERNET handle, DWORD option, DWORD value) {
  return WinHttpSetOption(handle, option, &value, sizeof value) != FALSE;
}

TransportResult Failed(TransportStep step) {
  TransportResult result;
  result.failedStep = step;
  return result;
}

}  // namespace

TransportResult SendTransportRequest(const TransportRequest& request) {
  if (!WinHttpCheckPlatform()) return Failed(TransportStep::kPlatform);

  std::wstring url = Wide(request.url);
  URL_COMPONENTS parts;
  ZeroMemory(&parts, sizeof parts);
  parts.dwStructSize = sizeof parts;
  parts.dwSchemeLength = static_cast<DWORD>(-1);
  parts.dwHostNameLength = static_cast<DWORD>(-1);
  parts.dwUrlPathLength = static_cast<DWORD>(-1);
  parts.dwExtraInfoLength = static_cast<DWORD>(-1);
  if (url.empty() || !WinHttpCrackUrl(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) {
    return Failed(TransportStep::kCrackUrl);
  }
  std::wstring host(parts.lpszHostName, parts.dwHostNameLength);
  std::wstring path(parts.lpszUrlPath ? parts.lpszUrlPath : L"", parts.dwUrlPathLength);
  std::wstring extra(parts.lpszExtraInfo ? parts.lpszExtraInfo : L"", parts.dwExtraInfoLength);
  // Wine's cracker lets the host run to the first "/", so "http://h?q=1"
  // comes back with the host "h?q=1"; the host ends at "?" or "#" as well.
  size_t hostEnd = host.find_first_of(L"?#");
  if (hostEnd != std::wstring::npos) {
    host.resize(hostEnd);
    if (host.empty()) return Failed(TransportStep::kCrackUrl);
    path.clear();
  }
  std::wstring requestPath = path.empty() ? std::wstring(L"/") : path + extra;
  bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
  INTERNET_PORT port = parts.nPort;

  Handles h;
  std::wstring proxyName = Wide(secure ? request.proxy : "http=" + request.proxy);
  if (request.proxy.empty()) {
    h.session = WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NO_PROXY, WINHTTP_NO_PROXY_NAME, WINHTTP_NO_PROXY_BYPASS, 0);
  } else {
    h.session = WinHttpOpen(nullptr, WINHTTP_ACCESS_TYPE_NAMED_PROXY, proxyName.c_str(), WINHTTP_NO_PROXY_BYPASS, 0);
  }
  if (!h.session) return Failed(TransportStep::kSession);

  int t = request.timeoutMilliseconds;
  if (!WinHttpSetTimeouts(h.session, t, t, t, t)) return Failed(TransportStep::kTimeouts);

  // TZL_CONNECT_TO: the connection goes to the routed address while the
  // request keeps the real host in its Host line.
  Text hostText = Narrow(host.data(), host.size());
  // Through a proxy the connection goes to the proxy, which routing leaves
  // alone, as libcurl's connect-to does.
  ConnectTarget target = request.proxy.empty() ? RouteConnection(hostText, port) : ConnectTarget{hostText, port, false};
  std::wstring connectHost = target.routed ? Wide(target.host) : host;
  INTERNET_PORT connectPort = target.routed ? static_cast<INTERNET_PORT>(target.port) : port;
  h.connection = WinHttpConnect(h.session, connectHost.c_str(), connectPort, 0);
  if (!h.connection) return Failed(TransportStep::kConnect);

  std::wstring method = Wide(request.methodWord);
  // The address arrives already safe for the wire; WinHttp's own escaping
  // would encode the "%" of every escape a caller wrote ("%20" becoming
  // "%2520" under Wine), so the target goes out as built.
  DWORD flags = WINHTTP_FLAG_ESCAPE_DISABLE | WINHTTP_FLAG_ESCAPE_DISABLE_QUERY;
  if (secure) flags |= WINHTTP_FLAG_SECURE;
  h.request = WinHttpOpenRequest(h.connection, method.c_str(), requestPath.c_str(), nullptr, WINHTTP_NO_REFERER,
                                 WINHTTP_DEFAULT_ACCEPT_TYPES, flags);
  if (!h.request) return Failed(TransportStep::kOpenRequest);
  // The wait for the response headers has a time-out of its own (90 s by
  // default) that WinHttpSetTimeouts leaves alone: bound it by the same t.
  if (!SetDwordOption(h.request, WINHTTP_OPTION_RECEIVE_RESPONSE_TIMEOUT, static_cast<DWORD>(t))) {
    return Failed(TransportStep::kTimeouts);
  }

  if (!request.serverUser.empty() && !request.serverPassword.empty()) {
    std::wstring user = Wide(request.serverUser), password = Wide(request.serverPassword);
    if (!WinHttpSetCredentials(h.request, WINHTTP_AUTH_TARGET_SERVER, WINHTTP_AUTH_SCHEME_BASIC, user.c_str(),
                               password.c_str(), nullptr)) {
      return Failed(TransportStep::kCredentials);
    }
  }
  if (!request.proxyUser.empty() && !request.proxyPassword.empty()) {
    std::wstring user = Wide(request.proxyUser), password = Wide(request.proxyPassword);
    if (!WinHttpSetCredentials(h.request, WINHTTP_AUTH_TARGET_PROXY, WINHTTP_AUTH_SCHEME_BASIC, user.c_str(),
                               password.c_str(), nullptr)) {
      return Failed(TransportStep::kCredentials);
    }
  }

  // Certificate errors never stop a WebRequest: the services it asks are
  // read for public facts only, and nothing secret is sent to them.
  if (!SetDwordOption(h.request, WINHTTP_OPTION_SECURITY_FLAGS, kIgnoreCertificateErrors)) {
    return Failed(TransportStep::kSecurityFlags);
  }
  // With cookies of its own the caller leaves WinHttp's cookie handling as
  // it is; option 79 with the value 1 would switch on certificate
  // revocation checks instead, which nothing here asks for.
  if (!request.cookiesGiven && !SetDwordOption(h.request, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_COOKIES)) {
    return Failed(TransportStep::kCookieOption);
  }
  if (request.noRedirect &&
      !SetDwordOption(h.request, WINHTTP_OPTION_DISABLE_FEATURE, WINHTTP_DISABLE_REDIRECTS)) {
    return Failed(TransportStep::kRedirectOption);
  }

  // An empty block has nothing to add, and WinHttp refuses an empty list
  // of lines: handing it over would fail every request without a header.
  std::wstring block = Wide(request.headerBlock);
  if (!block.empty() && !WinHttpAddRequestHeaders(h.request, block.c_str(), static_cast<DWORD>(block.size()),
                                WINHTTP_ADDREQ_FLAG_ADD)) {
    return Failed(TransportStep::kAddHeaders);
  }
  if (target.routed) {
    std::wstring hostLine = L"Host: " + host;
    if (port != (secure ? INTERNET_DEFAULT_HTTPS_PORT : INTERNET_DEFAULT_HTTP_PORT)) {
      hostLine += L":" + std::to_wstring(port);
    }
    if (!WinHttpAddRequestHeaders(h.request, hostLine.c_str(), static_cast<DWORD>(hostLine.size()),
                                  WINHTTP_ADDREQ_FLAG_ADD | WINHTTP_ADDREQ_FLAG_REPLACE)) {
      return Failed(TransportStep::kAddHeaders);
    }
  }

  DWORD bodyLength = static_cast<DWORD>(request.body.size());
  LPVOID body = bodyLength ? const_cast<char*>(request.body.data()) : WINHTTP_NO_REQUEST_DATA;
  if (!WinHttpSendRequest(h.request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, body, bodyLength, bodyLength, 0)) {
    return Failed(TransportStep::kSend);
  }
  if (!WinHttpReceiveResponse(h.request, nullptr)) return Failed(TransportStep::kReceive);

  TransportResult result;
  std::vector<char> buffer;
  for (;;) {
    DWORD available = 0;
    if (!WinHttpQueryDataAvailable(h.request, &available) || available < 1) break;
    buffer.resize(available);
    DWORD read = 0;
    if (!WinHttpReadData(h.request, buffer.data(), available, &read)) {
      result.readFailed = true;
      break;
    }
    if (!AppendWithinLimit(&result.body, buffer.data(), read)) break;
  }

  DWORD size = 0;
  WinHttpQueryHeaders(h.request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX, nullptr, &size,
                      WINHTTP_NO_HEADER_INDEX);
  std::vector<wchar_t> headers(size / sizeof(wchar_t) + 1);
  DWORD index = 0;
  if (size == 0 || !WinHttpQueryHeaders(h.request, WINHTTP_QUERY_RAW_HEADERS_CRLF, WINHTTP_HEADER_NAME_BY_INDEX,
                                        headers.data(), &size, &index)) {
    result.failedStep = TransportStep::kRawHeaders;
    return result;
  }
  result.rawHeaders = Narrow(headers.data(), size / sizeof(wchar_t));
  return result;
}

}  // namespace tzl
