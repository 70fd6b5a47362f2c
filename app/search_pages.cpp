#include "app/search_pages.h"

#include "lookups/service_hosts.h"

namespace tzl::app {

const char kFeedbackPage[] = "https://tanzhiling.example.com/feedback";

namespace {
Text Https(const char* host) { return Text("https://") + host; }
}  // namespace

Text SogouIndexPage(const Text& query) { return Https(ServiceHosts::Sogou) + "/web?query=site:" + query; }

Text BaiduIndexPage(const Text& query) { return Https(ServiceHosts::Baidu) + "/s?wd=site:" + query; }

Text SogouBacklinkPage(const Text& query) {
  return Https(ServiceHosts::Sogou) + "/web?ie=utf8&noqc=1&sourceid=noqc&bq=1&query=%E2%80%9C" + query + "%E2%80%9D";
}

Text BaiduBacklinkPage(const Text& query) {
  return Https(ServiceHosts::Baidu) + "/s?ie=utf-8&f=8&rsv_bp=1&rsv_idx=1&tn=baidu&wd=%E2%80%9C" + query +
         "%E2%80%9D";
}

}  // namespace tzl::app
