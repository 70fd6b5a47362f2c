// Talks to a gateway over a real socket the way any HTTP client would.
#pragma once

#include <string>

namespace tzl::test {

struct GatewayReply {
  int status = 0;  // 0 when no answer came
  std::string head;
  std::string body;
};

// Sends `request` as it is to 127.0.0.1:port and reads until the close.
GatewayReply SendToGateway(int port, const std::string& request);
// GET `target` with a well-formed HTTP/1.1 request.
GatewayReply GetFromGateway(int port, const std::string& target);
// A header's value ("" when absent); the name is matched exactly.
std::string HeaderOf(const GatewayReply& reply, const std::string& name);

}  // namespace tzl::test
