// A program that found the gateway's address taken serves it once the
// other program has let it go. Its own test program: the in-process
// gateway is started once per process.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <thread>

#include "tests/whois/gateway_client.h"
#include "whois/whois_gateway.h"

namespace tzl {
namespace {

TEST(GatewayTakeover, AddressLetGoByTheOtherProgramIsTakenOver) {
  auto other = std::make_unique<net::TcpListener>();
  ASSERT_EQ(other->Listen("127.0.0.1", 0), net::ListenResult::Listening);
  const int port = other->Port();
  const std::string address = "127.0.0.1:" + std::to_string(port);
  EXPECT_FALSE(StartWhoisGateway(address));
  other.reset();

  test::GatewayReply reply;
  const int64_t deadline = net::NowMilliseconds() + 20000;
  while (reply.status == 0 && net::NowMilliseconds() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    reply = test::GetFromGateway(port, "/?domain=x");
  }
  EXPECT_EQ(reply.status, 200);
  EXPECT_EQ(test::HeaderOf(reply, "X-Whois-Status"), "invalid-name");
  EXPECT_TRUE(StartWhoisGateway(address));
}

}  // namespace
}  // namespace tzl
