// Connection routing through the environment variable TZL_CONNECT_TO: a
// comma-separated list of HOST:PORT:ADDR:PORT2 entries with the meaning of
// curl's --connect-to (an empty HOST or PORT matches any). A connection to
// a matching host and port is opened to ADDR:PORT2 instead; the request
// line, the Host header and everything else stay as for the real host.
#pragma once

#include <string>
#include <vector>

namespace tzl {

struct ConnectToEntry {
  std::string host;  // empty: any host
  int port = 0;      // 0: any port
  std::string address;
  int addressPort = 0;
};

struct ConnectTarget {
  std::string host;
  int port = 0;
  bool routed = false;  // true when an entry matched
};

// Parses a TZL_CONNECT_TO value; malformed entries are skipped. ADDR may be
// an IPv6 address in brackets.
std::vector<ConnectToEntry> ParseConnectTo(const std::string& value);

// Where a connection to host:port goes under `entries` (first match wins;
// host names compare without ASCII case).
ConnectTarget RouteConnection(const std::vector<ConnectToEntry>& entries, const std::string& host, int port);

// The same, under the current value of TZL_CONNECT_TO (read on every call,
// so tests can change it between requests).
ConnectTarget RouteConnection(const std::string& host, int port);

// True when TZL_CONNECT_TO holds at least one well-formed entry.
bool RoutingConfigured();

}  // namespace tzl
