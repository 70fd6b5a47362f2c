// The plain fetch: the body of whatever status arrives, nothing on failure,
// certificates trusted only on routed connections.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixture_http_client.h"
#include "tests/support/fixture_services.h"
#include "web/plain_fetch.h"

namespace tzl {
namespace {

using test::FixtureServices;

class PlainFetchTest : public ::testing::Test {
 protected:
  void SetUp() override { FixtureServices::Instance().RouteAllHosts(); }
};

TEST_F(PlainFetchTest, BodiesOfAnyStatus) {
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/basic?plain=1"), "<html><body>basic page</body></html>");
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/plain-missing"), "<html><body>no fixture for this address</body></html>\n");
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/redirect-1?plain=1"), "arrived");
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/zero-byte?plain=1").size(), 39u);
}

TEST_F(PlainFetchTest, SendsNothingOfTheCallersOwn) {
  PlainFetch("http://fixture.test/wr/echo/plain?q=a\r\nX-Injected: 1");
  auto seen = FixtureServices::Instance().RequestsFor("/wr/echo/plain?q=a%0D%0AX-Injected:%201");
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back().method, "GET");
  EXPECT_EQ(seen.back().host, "fixture.test");
  EXPECT_EQ(test::HeaderValue(seen.back(), "X-Injected"), "");
  EXPECT_EQ(seen.back().body, "");
}

TEST_F(PlainFetchTest, FailuresGiveNoBytes) {
  EXPECT_EQ(PlainFetch(""), "");
  EXPECT_EQ(PlainFetch("not an address"), "");
  EXPECT_EQ(PlainFetch("http://127.0.0.1:" + std::to_string(test::ClosedLoopbackPort()) + "/"), "");
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/reset?plain=1"), "");
  EXPECT_EQ(PlainFetch("http://fixture.test/wr/truncated?plain=1"), "");
}

TEST_F(PlainFetchTest, SelfSignedCertificateTrustedOnlyWhenRouted) {
  FixtureServices& services = FixtureServices::Instance();
  EXPECT_EQ(PlainFetch("https://fixture.test/wr/basic?plain=tls"), "<html><body>basic page</body></html>");
  // The same server asked for directly: its certificate is checked, and
  // fails.
  std::string direct = "https://127.0.0.1:" + std::to_string(services.HttpsPort()) + "/wr/basic?plain=direct";
  EXPECT_EQ(PlainFetch(direct), "");
}

}  // namespace
}  // namespace tzl
