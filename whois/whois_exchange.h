// One question to a WHOIS server (TCP port 43): the query and CR LF go
// out, the answer is read until the server closes.
#pragma once

#include <cstddef>
#include <string>

namespace tzl {

constexpr int kWhoisPort = 43;
// Records are a few kilobytes; a server that sends more than this is cut
// off there, so a hostile or broken one cannot exhaust memory.
constexpr size_t kWhoisRecordCap = 1024 * 1024;
constexpr int kWhoisTimeoutMs = 10000;

struct WhoisLimits {
  int timeoutMs = kWhoisTimeoutMs;  // for the whole exchange, connect included
  size_t capBytes = kWhoisRecordCap;
};

enum class WhoisOutcome {
  Complete,     // the server closed after its answer
  Cut,          // the answer reached the cap; `bytes` holds the first capBytes
  Unreachable,  // no connection could be opened, or it failed
  TimedOut,     // the server did not finish in time; `bytes` is empty
};

struct WhoisReply {
  WhoisOutcome outcome = WhoisOutcome::Unreachable;
  std::string bytes;
};

// Asks `server` (a host name) on port 43, or wherever TZL_CONNECT_TO routes
// that host and port. `query` must not hold CR or LF.
WhoisReply AskWhoisServer(const std::string& server, const std::string& query, const WhoisLimits& limits);

}  // namespace tzl
