// Request rate of sequential WebRequest GETs of a 50 KB fixture page, each
// with its own session and connection. Needs the fixture services running
// (TZL_FIXTURE_STATE names their state file); run_web_bench.sh sets them up
// and compares with the curl command.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/support/fixture_services.h"
#include "web/web_request.h"

int main(int argc, char** argv) {
  int count = argc > 1 ? std::atoi(argv[1]) : 2000;
  tzl::test::FixtureServices& services = tzl::test::FixtureServices::Instance();
  if (services.HttpPort() == 0) {
    std::fprintf(stderr, "fixture services not running (TZL_FIXTURE_STATE)\n");
    return 1;
  }
  services.RouteAllHosts();
  size_t bytes = 0;
  int failures = 0;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < count; ++i) {
    tzl::WebRequestArgs args;
    tzl::Text text = tzl::WebRequest("http://fixture.test/bench/page?n=" + std::to_string(i), args);
    if (args.status != "200 OK") ++failures;
    bytes += args.responseBytes.size();
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("WebRequest: %d requests, %d failed, %.1f MB, %.2f s, %.1f requests/s\n", count, failures,
              bytes / 1e6, seconds, count / seconds);
  return failures == 0 ? 0 : 1;
}
