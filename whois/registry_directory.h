// Which WHOIS server holds the records of a top-level domain, as the IANA
// WHOIS server names it on its "refer:" line; remembered for the life of
// the directory.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "whois/whois_exchange.h"

namespace tzl {

// The host on the first "refer:" line of an IANA answer (the key in any
// case, blanks around the value), or the empty text when the answer has no
// such line or its value is no host name.
std::string ReferralServer(const std::string& ianaAnswer);

enum class DirectoryAnswer {
  Found,       // `server` holds the registry's host
  NoRegistry,  // IANA answered and names no server for the domain
  TimedOut,    // IANA did not answer in time
  Unreachable, // IANA could not be reached
};

class RegistryDirectory {
 public:
  RegistryDirectory(std::string ianaServer, WhoisLimits limits);

  // Safe to call from many threads. Answers that IANA gave are kept (also
  // "no server"); failures to reach it are not, so the next call asks again.
  DirectoryAnswer FindServer(const std::string& topLevelLabel, std::string* server);

 private:
  // Bounds what a client can make the directory remember by asking about
  // made-up domains; real top-level domains number under two thousand.
  static constexpr size_t kMaxRemembered = 4096;

  const std::string ianaServer_;
  const WhoisLimits limits_;
  std::mutex mutex_;
  std::map<std::string, std::string> servers_;  // label -> host, "" for none
};

}  // namespace tzl
