#include "tests/lookups/lookup_fixtures.h"

#include <fstream>
#include <mutex>
#include <sstream>

#include "lookups/service_hosts.h"

namespace tzl::test {

FixtureServices& LookupFixtures() {
  static std::once_flag routed;
  FixtureServices& services = FixtureServices::Instance();
  std::call_once(routed, [&services] {
    services.AddRoute(ServiceHosts::RegistrationRecord, false);
    services.RouteAllHosts();
  });
  return services;
}

std::vector<std::string> RequestsSeen(const std::string& targetSubstring) {
  std::vector<std::string> seen;
  for (const RecordedRequest& request : LookupFixtures().RequestsFor(targetSubstring)) {
    std::string host = request.host.substr(0, request.host.find(':'));
    std::string fetch = HeaderValue(request, "Accept-Language") == "zh-cn" ? "web" : "plain";
    seen.push_back(fetch + " " + request.scheme + " " + host + " " + request.target);
  }
  return seen;
}

std::string FixtureFile(const std::string& relativePath) {
  std::ifstream file(std::string(TZL_FIXTURE_ROOT) + "/" + relativePath, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

}  // namespace tzl::test
