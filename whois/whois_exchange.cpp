#include "whois/whois_exchange.h"

#include "web/connect_to.h"
#include "whois/tcp_socket.h"

namespace tzl {

WhoisReply AskWhoisServer(const std::string& server, const std::string& query, const WhoisLimits& limits) {
  WhoisReply reply;
  if (query.find_first_of("\r\n") != std::string::npos) return reply;
  const int64_t deadline = net::NowMilliseconds() + limits.timeoutMs;
  ConnectTarget target = RouteConnection(server, kWhoisPort);
  net::TcpConnection connection = net::ConnectTcp(target.host, target.port, deadline);
  if (!connection.IsOpen()) return reply;
  net::IoResult sent = connection.WriteAll(query + "\r\n", deadline);
  if (sent == net::IoResult::TimedOut) {
    reply.outcome = WhoisOutcome::TimedOut;
    return reply;
  }
  if (sent != net::IoResult::Ok) return reply;

  char buffer[16384];
  for (;;) {
    size_t room = limits.capBytes - reply.bytes.size();
    if (room == 0) {
      reply.outcome = WhoisOutcome::Cut;
      return reply;
    }
    size_t received = 0;
    net::IoResult result = connection.Read(buffer, room < sizeof buffer ? room : sizeof buffer, deadline, &received);
    if (result == net::IoResult::Ok) {
      reply.bytes.append(buffer, received);
      continue;
    }
    if (result == net::IoResult::Closed) {
      reply.outcome = WhoisOutcome::Complete;
      return reply;
    }
    // A record that stopped half-way is no record: the caller gets nothing
    // rather than fields cut from a fragment.
    reply.bytes.clear();
    reply.outcome = result == net::IoResult::TimedOut ? WhoisOutcome::TimedOut : WhoisOutcome::Unreachable;
    return reply;
  }
}

}  // namespace tzl
