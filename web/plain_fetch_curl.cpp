// The plain fetch over libcurl. Redirects are followed here, one hop at a
// time, so that each hop's certificate check depends on that hop's own
// routing.
#include <curl/curl.h>

#include "web/connect_to.h"
#include "web/curl_session.h"
#include "web/plain_fetch.h"
#include "web/plain_fetch_agent.h"
#include "web/request_target.h"
#include "web/url_parts.h"
#include "web/web_transport.h"

namespace tzl {

namespace {

constexpr int kMaxRedirects = 10;
constexpr long kTimeoutSeconds = 30;

struct Download {
  std::string body;
  bool full = false;
};

size_t OnBodyBytes(char* data, size_t size, size_t count, void* context) {
  Download* download = static_cast<Download*>(context);
  if (!AppendWithinLimit(&download->body, data, size * count)) {
    download->full = true;
    return 0;
  }
  return size * count;
}

// One GET; true with the body (of any status), or with `next` set to the
// address a redirect names.
bool FetchOnce(const Text& url, std::string* body, Text* next) {
  UrlParts parts;
  if (!CrackUrl(url, &parts)) return false;
  CURL* h = NewCurlHandle();
  if (h == nullptr) return false;
  Download download;
  curl_slist* connectTo = CurlConnectToList();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(h, CURLOPT_PROXY, "");
  curl_easy_setopt(h, CURLOPT_USERAGENT, kPlainFetchAgent);
  curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, kTimeoutSeconds);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, kTimeoutSeconds);
  if (connectTo) curl_easy_setopt(h, CURLOPT_CONNECT_TO, connectTo);
  // Certificates are checked as libcurl does by default. Only a connection
  // that TZL_CONNECT_TO sends to another server trusts that server's
  // certificate: it was chosen on purpose (the test services, a user's own
  // relay) and cannot hold a certificate for the real host.
  if (RouteConnection(parts.host, parts.port).routed) {
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 0L);
    curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 0L);
  }
  curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, OnBodyBytes);
  curl_easy_setopt(h, CURLOPT_WRITEDATA, &download);
  CURLcode code = curl_easy_perform(h);
  bool received = code == CURLE_OK || (code == CURLE_WRITE_ERROR && download.full);
  next->clear();
  if (received) {
    char* redirect = nullptr;
    if (curl_easy_getinfo(h, CURLINFO_REDIRECT_URL, &redirect) == CURLE_OK && redirect) *next = redirect;
    *body = std::move(download.body);
  }
  curl_slist_free_all(connectTo);
  curl_easy_cleanup(h);
  return received;
}

}  // namespace

std::string PlainFetch(const Text& url) {
  Text address = EncodeUnsafeTargetBytes(url);
  for (int hop = 0; hop <= kMaxRedirects; ++hop) {
    std::string body;
    Text next;
    if (!FetchOnce(address, &body, &next)) return std::string();
    if (next.empty()) return body;
    address = EncodeUnsafeTargetBytes(next);
  }
  return std::string();
}

}  // namespace tzl
