// A WHOIS server on loopback for the gateway tests: reads one query line,
// answers from a table, records every query it was sent.
#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "whois/tcp_socket.h"

namespace tzl::test {

class FixtureWhoisServer {
 public:
  // `unknownAnswer` is sent for a query the table does not hold.
  explicit FixtureWhoisServer(std::string unknownAnswer = "% No match\r\n");
  ~FixtureWhoisServer();

  int Port() const { return listener_.Port(); }
  // The answer to `query` (the line without CR LF).
  void Answer(const std::string& query, const std::string& bytes);
  // `query` gets no answer: the connection stays open until the server stops.
  void NeverAnswer(const std::string& query);
  std::vector<std::string> Queries();

 private:
  void Serve(net::TcpConnection connection);

  std::string unknownAnswer_;
  net::TcpListener listener_;
  std::thread acceptThread_;
  std::vector<std::thread> connectionThreads_;
  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::map<std::string, std::string> answers_;
  std::map<std::string, bool> silent_;
  std::vector<std::string> queries_;
};

}  // namespace tzl::test
