#include "web/curl_session.h"

#include <cstdlib>
#include <mutex>

#include "web/connect_to.h"

namespace tzl {

CURL* NewCurlHandle() {
  static std::once_flag once;
  static bool ready = false;
  std::call_once(once, [] { ready = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; });
  return ready ? curl_easy_init() : nullptr;
}

curl_slist* CurlConnectToList() {
  const char* value = std::getenv("TZL_CONNECT_TO");
  if (value == nullptr || *value == '\0') return nullptr;
  curl_slist* list = nullptr;
  for (const ConnectToEntry& entry : ParseConnectTo(value)) {
    std::string address = entry.address.find(':') != std::string::npos ? "[" + entry.address + "]" : entry.address;
    std::string line = entry.host + ":" + (entry.port ? std::to_string(entry.port) : std::string()) + ":" + address +
                       ":" + std::to_string(entry.addressPort);
    curl_slist* grown = curl_slist_append(list, line.c_str());
    if (grown == nullptr) break;
    list = grown;
  }
  return list;
}

}  // namespace tzl
