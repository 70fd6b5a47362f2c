#include "web/connect_to.h"

#include <cstdlib>

#include "text/text.h"

namespace tzl {

namespace {

// A port field: empty is 0 (any), otherwise 1..65535; -1 when malformed.
int ParsePort(const std::string& text, bool allowEmpty) {
  if (text.empty()) return allowEmpty ? 0 : -1;
  if (text.size() > 5) return -1;
  int port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return -1;
    port = port * 10 + (c - '0');
  }
  return port >= 1 && port <= 65535 ? port : -1;
}

bool ParseEntry(const std::string& text, ConnectToEntry* entry) {
  // HOST:PORT:ADDR:PORT2, where ADDR may be "[v6]".
  size_t first = text.find(':');
  if (first == std::string::npos) return false;
  size_t second = text.find(':', first + 1);
  if (second == std::string::npos) return false;
  std::string rest = text.substr(second + 1);
  std::string address, addressPort;
  if (!rest.empty() && rest[0] == '[') {
    size_t close = rest.find(']');
    if (close == std::string::npos || close + 1 >= rest.size() || rest[close + 1] != ':') return false;
    address = rest.substr(1, close - 1);
    addressPort = rest.substr(close + 2);
  } else {
    size_t colon = rest.rfind(':');
    if (colon == std::string::npos) return false;
    address = rest.substr(0, colon);
    addressPort = rest.substr(colon + 1);
  }
  int port = ParsePort(text.substr(first + 1, second - first - 1), true);
  int toPort = ParsePort(addressPort, false);
  if (port < 0 || toPort < 0 || address.empty()) return false;
  entry->host = text.substr(0, first);
  entry->port = port;
  entry->address = address;
  entry->addressPort = toPort;
  return true;
}

}  // namespace

std::vector<ConnectToEntry> ParseConnectTo(const std::string& value) {
  std::vector<ConnectToEntry> entries;
  for (const std::string& part : SplitAtByte(value, ',')) {
    ConnectToEntry entry;
    if (ParseEntry(part, &entry)) entries.push_back(entry);
  }
  return entries;
}

ConnectTarget RouteConnection(const std::vector<ConnectToEntry>& entries, const std::string& host, int port) {
  for (const ConnectToEntry& entry : entries) {
    if (!entry.host.empty() && !EqualsIgnoringAsciiCase(entry.host, host)) continue;
    if (entry.port != 0 && entry.port != port) continue;
    return ConnectTarget{entry.address, entry.addressPort, true};
  }
  return ConnectTarget{host, port, false};
}

ConnectTarget RouteConnection(const std::string& host, int port) {
  const char* value = std::getenv("TZL_CONNECT_TO");
  if (value == nullptr || *value == '\0') return ConnectTarget{host, port, false};
  return RouteConnection(ParseConnectTo(value), host, port);
}

bool RoutingConfigured() {
  const char* value = std::getenv("TZL_CONNECT_TO");
  return value != nullptr && !ParseConnectTo(value).empty();
}

}  // namespace tzl
