// The fixture server is reachable and records what it is sent.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/fixture_http_client.h"
#include "tests/support/fixture_services.h"

namespace tzl::test {
namespace {

TEST(FixtureServicesTest, RecordsARequestWithItsHeaders) {
  FixtureServices& services = FixtureServices::Instance();
  ASSERT_GT(services.HttpPort(), 0);
  ASSERT_GT(services.HttpsPort(), 0);
  std::string body;
  // No fixture answers this address: the answer is the 404 page.
  EXPECT_FALSE(FixtureHttpGet(services.HttpPort(), "/smoke/unknown?x=%E4%B8%AD", &body));
  std::vector<RecordedRequest> seen = services.RequestsFor("/smoke/unknown");
  ASSERT_FALSE(seen.empty());
  const RecordedRequest& request = seen.back();
  EXPECT_EQ(request.scheme, "http");
  EXPECT_EQ(request.method, "GET");
  EXPECT_EQ(request.target, "/smoke/unknown?x=%E4%B8%AD");
  EXPECT_EQ(request.requestLine, "GET /smoke/unknown?x=%E4%B8%AD HTTP/1.0");
  ASSERT_EQ(request.headers.size(), 2u);
  EXPECT_EQ(request.headers[0].first, "Host");
  EXPECT_EQ(HeaderValue(request, "connection"), "close");
}

TEST(FixtureServicesTest, ConnectToValueListsAddedRoutesFirst) {
  FixtureServices& services = FixtureServices::Instance();
  services.AddRoute("127.0.0.1:4343", false);
  std::string http = std::to_string(services.HttpPort());
  EXPECT_EQ(services.ConnectToValue(), "127.0.0.1:4343:127.0.0.1:" + http + ",:80:127.0.0.1:" + http +
                                           ",:443:127.0.0.1:" + std::to_string(services.HttpsPort()));
}

}  // namespace
}  // namespace tzl::test
