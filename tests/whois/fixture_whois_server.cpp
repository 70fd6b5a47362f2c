#include "tests/whois/fixture_whois_server.h"

#include <utility>

namespace tzl::test {

FixtureWhoisServer::FixtureWhoisServer(std::string unknownAnswer) : unknownAnswer_(std::move(unknownAnswer)) {
  listener_.Listen("127.0.0.1", 0);
  acceptThread_ = std::thread([this] {
    while (!stopping_) {
      net::TcpConnection connection = listener_.Accept(net::NowMilliseconds() + 20);
      if (!connection.IsOpen()) continue;
      std::lock_guard<std::mutex> lock(mutex_);
      connectionThreads_.emplace_back([this, c = std::move(connection)]() mutable { Serve(std::move(c)); });
    }
  });
}

FixtureWhoisServer::~FixtureWhoisServer() {
  stopping_ = true;
  acceptThread_.join();
  for (std::thread& thread : connectionThreads_) thread.join();
}

void FixtureWhoisServer::Answer(const std::string& query, const std::string& bytes) {
  std::lock_guard<std::mutex> lock(mutex_);
  answers_[query] = bytes;
}

void FixtureWhoisServer::NeverAnswer(const std::string& query) {
  std::lock_guard<std::mutex> lock(mutex_);
  silent_[query] = true;
}

std::vector<std::string> FixtureWhoisServer::Queries() {
  std::lock_guard<std::mutex> lock(mutex_);
  return queries_;
}

void FixtureWhoisServer::Serve(net::TcpConnection connection) {
  std::string line;
  char buffer[512];
  const int64_t deadline = net::NowMilliseconds() + 5000;
  while (line.find("\r\n") == std::string::npos) {
    size_t count = 0;
    if (connection.Read(buffer, sizeof buffer, deadline, &count) != net::IoResult::Ok) return;
    line.append(buffer, count);
  }
  std::string query = line.substr(0, line.find("\r\n"));
  std::string answer;
  bool silent;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    queries_.push_back(query);
    silent = silent_.count(query) > 0;
    auto known = answers_.find(query);
    answer = known != answers_.end() ? known->second : unknownAnswer_;
  }
  if (silent) {
    while (!stopping_) {
      size_t count = 0;
      net::IoResult result = connection.Read(buffer, sizeof buffer, net::NowMilliseconds() + 100, &count);
      if (result != net::IoResult::TimedOut && result != net::IoResult::Ok) return;
    }
    return;
  }
  connection.WriteAll(answer, net::NowMilliseconds() + 10000);
}

}  // namespace tzl::test
