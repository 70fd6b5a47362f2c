#include "tests/whois/gateway_client.h"

#include "whois/tcp_socket.h"

namespace tzl::test {

GatewayReply SendToGateway(int port, const std::string& request) {
  GatewayReply reply;
  const int64_t deadline = net::NowMilliseconds() + 30000;
  net::TcpConnection connection = net::ConnectTcp("127.0.0.1", port, deadline);
  if (!connection.IsOpen() || connection.WriteAll(request, deadline) != net::IoResult::Ok) return reply;
  std::string received;
  char buffer[65536];
  size_t count = 0;
  while (connection.Read(buffer, sizeof buffer, deadline, &count) == net::IoResult::Ok) received.append(buffer, count);
  size_t headEnd = received.find("\r\n\r\n");
  if (received.compare(0, 9, "HTTP/1.1 ") != 0 || headEnd == std::string::npos) return reply;
  reply.status = std::stoi(received.substr(9, 3));
  reply.head = received.substr(0, headEnd + 2);
  reply.body = received.substr(headEnd + 4);
  return reply;
}

GatewayReply GetFromGateway(int port, const std::string& target) {
  return SendToGateway(port, "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1:4343\r\nAccept: */*\r\n\r\n");
}

std::string HeaderOf(const GatewayReply& reply, const std::string& name) {
  size_t at = reply.head.find("\r\n" + name + ": ");
  if (at == std::string::npos) return std::string();
  size_t start = at + 4 + name.size();
  return reply.head.substr(start, reply.head.find("\r\n", start) - start);
}

}  // namespace tzl::test
