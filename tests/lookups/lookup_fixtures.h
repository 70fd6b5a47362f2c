// The lookup tests' view of the fixture services: every service host and
// the registration gateway's address routed to them, and the requests a
// query made, in the order the server saw them.
#pragma once

#include <string>
#include <vector>

#include "tests/support/fixture_services.h"

namespace tzl::test {

// Routes this process's connections to the fixture services (once).
FixtureServices& LookupFixtures();

// "web https www.sogou.com /web?query=site:x.com" for each request whose
// target holds `targetSubstring`, in arrival order; the host without its
// port. The first word tells the two fetches apart: "web" for WebRequest
// (its default header lines carry "Accept-Language: zh-cn"), "plain" for
// the plain fetch, which sends nothing of the caller's own.
std::vector<std::string> RequestsSeen(const std::string& targetSubstring);

// The bytes of a file under tests/fixtures/, e.g. "www.wanmi.cc/price-880.png".
std::string FixtureFile(const std::string& relativePath);

}  // namespace tzl::test
