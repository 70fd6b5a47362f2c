#include "whois/registry_directory.h"

#include <utility>

#include "whois/domain_name.h"

namespace tzl {

namespace {

bool IsHostName(const std::string& text) {
  if (text.empty() || text.size() > kMaxDomainNameLength || text.front() == '.' || text.back() == '.') return false;
  for (char c : text) {
    bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    if (!allowed) return false;
  }
  return text.find("..") == std::string::npos;
}

std::string TrimSpaces(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return std::string();
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

bool StartsWithKey(const std::string& line, const std::string& key) {
  if (line.size() < key.size()) return false;
  for (size_t i = 0; i < key.size(); ++i) {
    char c = line[i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (c != key[i]) return false;
  }
  return true;
}

}  // namespace

std::string ReferralServer(const std::string& ianaAnswer) {
  size_t start = 0;
  while (start < ianaAnswer.size()) {
    size_t end = ianaAnswer.find('\n', start);
    if (end == std::string::npos) end = ianaAnswer.size();
    std::string line = ianaAnswer.substr(start, end - start);
    if (StartsWithKey(line, "refer:")) {
      std::string value = TrimSpaces(line.substr(6));
      return IsHostName(value) ? value : std::string();
    }
    start = end + 1;
  }
  return std::string();
}

RegistryDirectory::RegistryDirectory(std::string ianaServer, WhoisLimits limits)
    : ianaServer_(std::move(ianaServer)), limits_(limits) {}

DirectoryAnswer RegistryDirectory::FindServer(const std::string& topLevelLabel, std::string* server) {
  server->clear();
  {
    std::lock_guard<std::mutex> lock(mutex_);
    auto known = servers_.find(topLevelLabel);
    if (known != servers_.end()) {
      *server = known->second;
      return server->empty() ? DirectoryAnswer::NoRegistry : DirectoryAnswer::Found;
    }
  }
  // Asked outside the lock: one slow IANA answer must not hold up names
  // whose server is known. Two first questions about one domain may both
  // ask IANA; they get the same answer.
  WhoisReply reply = AskWhoisServer(ianaServer_, topLevelLabel, limits_);
  if (reply.outcome == WhoisOutcome::TimedOut) return DirectoryAnswer::TimedOut;
  // A server that closes without a word is busy or broken, not saying
  // that the domain has no registry: nothing is remembered then.
  if (reply.outcome == WhoisOutcome::Unreachable || reply.bytes.empty()) return DirectoryAnswer::Unreachable;
  *server = ReferralServer(reply.bytes);
  {
    std::lock_guard<std::mutex> lock(mutex_);
    if (servers_.size() < kMaxRemembered) servers_.emplace(topLevelLabel, *server);
  }
  return server->empty() ? DirectoryAnswer::NoRegistry : DirectoryAnswer::Found;
}

}  // namespace tzl
