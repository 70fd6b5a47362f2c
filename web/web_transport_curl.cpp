// The transport over libcurl, step for step what the WinHttp transport
// does, each libcurl failure reported as the nearest WinHttp step.
#include <curl/curl.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "web/curl_session.h"
#include "web/split_text.h"
#include "web/url_parts.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

struct Exchange {
  std::string headers;
  bool headersComplete = false;
  long lastStatus = 0;
  bool lastHasLocation = false;
  std::string body;
  bool bodyFull = false;
};

size_t OnHeaderLine(char* data, size_t size, size_t count, void* context) {
  Exchange* exchange = static_cast<Exchange*>(context);
  std::string line(data, size * count);
  // Each response of a redirect chain (and an interim 1xx) starts anew:
  // the caller sees the headers of the last response, as from WinHttp.
  if (line.compare(0, 5, "HTTP/") == 0) {
    exchange->headers.clear();
    exchange->headersComplete = false;
    exchange->lastHasLocation = false;
    exchange->lastStatus = line.size() > 12 ? std::atol(line.c_str() + 9) : 0;
  } else if (line == "\r\n" || line == "\n") {
    exchange->headersComplete = true;
  } else if (line.size() > 9 && curl_strnequal(line.c_str(), "Location:", 9)) {
    exchange->lastHasLocation = true;
  }
  exchange->headers += line;
  return size * count;
}

size_t OnBodyBytes(char* data, size_t size, size_t count, void* context) {
  Exchange* exchange = static_cast<Exchange*>(context);
  if (!AppendWithinLimit(&exchange->body, data, size * count)) {
    exchange->bodyFull = true;
    return 0;  // stops the transfer; what was read is kept
  }
  return size * count;
}

bool HasHeaderNamed(const std::vector<Text>& lines, const char* name) {
  size_t length = std::char_traits<char>::length(name);
  for (const Text& line : lines) {
    if (line.size() > length && line[length] == ':' && curl_strnequal(line.c_str(), name, length)) return true;
  }
  return false;
}

bool IsFollowedRedirect(const Exchange& exchange, bool noRedirect) {
  if (noRedirect || !exchange.lastHasLocation) return false;
  long s = exchange.lastStatus;
  return s == 301 || s == 302 || s == 303 || s == 307 || s == 308;
}

struct CurlRequest {
  CURL* handle = nullptr;
  curl_slist* headers = nullptr;
  curl_slist* connectTo = nullptr;
  ~CurlRequest() {
    curl_slist_free_all(headers);
    curl_slist_free_all(connectTo);
    if (handle) curl_easy_cleanup(handle);
  }
};

}  // namespace

TransportResult SendTransportRequest(const TransportRequest& request) {
  TransportResult result;
  UrlParts parts;
  if (!CrackUrl(request.url, &parts)) {
    result.failedStep = TransportStep::kCrackUrl;
    return result;
  }
  CurlRequest curl;
  curl.handle = NewCurlHandle();
  if (curl.handle == nullptr) {
    result.failedStep = TransportStep::kSession;
    return result;
  }
  CURL* h = curl.handle;
  Exchange exchange;
  Text address = Text(parts.secure ? "https://" : "http://") + HostHeaderValue(parts) + parts.requestPath;
  curl_easy_setopt(h, CURLOPT_URL, address.c_str());
  curl_easy_setopt(h, CURLOPT_PATH_AS_IS, 1L);
  // HTTP/1.1 as WinHttp speaks it: an HTTP/2 status line ("HTTP/2 200")
  // has no status text at its tenth byte.
  curl_easy_setopt(h, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_1_1));
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  // An empty proxy switches off the environment's proxy settings too, as
  // the WinHttp session's no-proxy access type does.
  Text proxy = request.proxy.empty() ? Text() : "http://" + request.proxy;
  curl_easy_setopt(h, CURLOPT_PROXY, proxy.c_str());

  long seconds = (request.timeoutMilliseconds + 999) / 1000;
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(request.timeoutMilliseconds));
  // WinHttp's send and receive time-outs bound each wait for data; a stall
  // of that length is the closest libcurl measure.
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, seconds);

  if (request.methodWord == "HEAD") {
    curl_easy_setopt(h, CURLOPT_NOBODY, 1L);
  } else if (request.methodWord != "GET" || !request.body.empty()) {
    curl_easy_setopt(h, CURLOPT_CUSTOMREQUEST, request.methodWord.c_str());
  }
  if (!request.body.empty() || request.methodWord == "POST") {
    curl_easy_setopt(h, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(request.body.size()));
    curl_easy_setopt(h, CURLOPT_POSTFIELDS, request.body.data());
  }

  if (!request.serverUser.empty() && !request.serverPassword.empty()) {
    curl_easy_setopt(h, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(h, CURLOPT_USERNAME, request.serverUser.c_str());
    curl_easy_setopt(h, CURLOPT_PASSWORD, request.serverPassword.c_str());
  }
  if (!request.proxyUser.empty() && !request.proxyPassword.empty()) {
    curl_easy_setopt(h, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(h, CURLOPT_PROXYUSERNAME, request.proxyUser.c_str());
    curl_easy_setopt(h, CURLOPT_PROXYPASSWORD, request.proxyPassword.c_str());
  }

  // Certificate errors never stop a WebRequest (the WinHttp transport sets
  // the ignore-errors security flags on every request); this is the same
  // choice for libcurl. The plain fetch verifies.
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 0L);
  curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 0L);

  if (!request.noRedirect) {
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, 10L);
  }

  std::vector<Text> lines;
  for (const Text& line : SplitText(request.headerBlock, "\r\n")) {
    if (line.empty()) continue;
    // WinHttp refuses a header line without a name; so does this transport.
    if (line.find(':') == Text::npos) {
      result.failedStep = TransportStep::kAddHeaders;
      return result;
    }
    lines.push_back(line);
  }
  for (const Text& line : lines) curl.headers = curl_slist_append(curl.headers, line.c_str());
  // libcurl's own default lines, which WinHttp does not send: only the
  // block's lines go out.
  if (!HasHeaderNamed(lines, "Accept")) curl.headers = curl_slist_append(curl.headers, "Accept:");
  if (!HasHeaderNamed(lines, "Content-Type")) curl.headers = curl_slist_append(curl.headers, "Content-Type:");
  curl.headers = curl_slist_append(curl.headers, "Expect:");
  // WinHttp adds this line to every HTTP/1.1 request that has none.
  if (!HasHeaderNamed(lines, "Connection")) curl.headers = curl_slist_append(curl.headers, "Connection: Keep-Alive");
  curl_easy_setopt(h, CURLOPT_HTTPHEADER, curl.headers);

  // Through a proxy the connection goes to the proxy, which routing leaves
  // alone; libcurl would otherwise tunnel to the routed address.
  if (request.proxy.empty()) curl.connectTo = CurlConnectToList();
  if (curl.connectTo) curl_easy_setopt(h, CURLOPT_CONNECT_TO, curl.connectTo);

  curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, OnHeaderLine);
  curl_easy_setopt(h, CURLOPT_HEADERDATA, &exchange);
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBodyBytes);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &exchange);

  CURLcode code = curl_easy_perform(h);
  bool finalHeaders = exchange.headersComplete && !IsFollowedRedirect(exchange, request.noRedirect);
  if (code != CURLE_OK && !(code == CURLE_WRITE_ERROR && exchange.bodyFull)) {
    if (code == CURLE_URL_MALFORMAT || code == CURLE_UNSUPPORTED_PROTOCOL) {
      result.failedStep = TransportStep::kCrackUrl;
      return result;
    }
    if (!finalHeaders) {
      long requestSize = 0;
      curl_easy_getinfo(h, CURLINFO_REQUEST_SIZE, &requestSize);
      result.failedStep = requestSize > 0 ? TransportStep::kReceive : TransportStep::kSend;
      return result;
    }
    result.readFailed = true;
  }
  result.rawHeaders = exchange.headers;
  result.body = std::move(exchange.body);
  return result;
}

}  // namespace tzl
