// The registration record of a name: validated, its registry found through
// IANA, asked, and the answer made code-page-936 text.
#pragma once

#include <string>

#include "text/text.h"
#include "whois/registry_directory.h"
#include "whois/whois_exchange.h"

namespace tzl {

enum class RecordStatus {
  Found,                // the registry's whole record
  Cut,                  // the record, cut at the size cap
  InvalidName,          // nothing was sent anywhere
  NoRegistry,           // IANA names no WHOIS server for the top-level domain
  DirectoryUnreachable, // IANA could not be reached or closed without answer
  DirectoryTimedOut,
  RegistryUnreachable,
  RegistryTimedOut,
};

// A short stable word for a status ("found", "invalid-name", ...).
const char* StatusWord(RecordStatus status);

struct RecordAnswer {
  RecordStatus status = RecordStatus::InvalidName;
  Text record;  // empty unless Found or Cut
};

class RecordService {
 public:
  explicit RecordService(const std::string& ianaServer = "whois.iana.org", WhoisLimits limits = WhoisLimits());

  // `requestedName` as the client sent it (percent-decoding done), in
  // UTF-8 or code page 936. Safe to call from many threads.
  RecordAnswer Lookup(const std::string& requestedName);

 private:
  const WhoisLimits limits_;
  RegistryDirectory directory_;
};

}  // namespace tzl
