#include "whois/record_service.h"

#include "whois/domain_name.h"
#include "whois/record_text.h"

namespace tzl {

const char* StatusWord(RecordStatus status) {
  switch (status) {
    case RecordStatus::Found: return "found";
    case RecordStatus::Cut: return "cut";
    case RecordStatus::InvalidName: return "invalid-name";
    case RecordStatus::NoRegistry: return "no-registry";
    case RecordStatus::DirectoryUnreachable: return "iana-unreachable";
    case RecordStatus::DirectoryTimedOut: return "iana-timeout";
    case RecordStatus::RegistryUnreachable: return "registry-unreachable";
    case RecordStatus::RegistryTimedOut: return "registry-timeout";
  }
  return "unknown";
}

RecordService::RecordService(const std::string& ianaServer, WhoisLimits limits)
    : limits_(limits), directory_(ianaServer, limits) {}

RecordAnswer RecordService::Lookup(const std::string& requestedName) {
  RecordAnswer answer;
  std::string name;
  if (!ToRegistryName(requestedName, &name)) return answer;

  std::string server;
  switch (directory_.FindServer(TopLevelLabel(name), &server)) {
    case DirectoryAnswer::Found: break;
    case DirectoryAnswer::NoRegistry: answer.status = RecordStatus::NoRegistry; return answer;
    case DirectoryAnswer::TimedOut: answer.status = RecordStatus::DirectoryTimedOut; return answer;
    case DirectoryAnswer::Unreachable: answer.status = RecordStatus::DirectoryUnreachable; return answer;
  }

  WhoisReply reply = AskWhoisServer(server, name, limits_);
  switch (reply.outcome) {
    case WhoisOutcome::Complete: answer.status = RecordStatus::Found; break;
    case WhoisOutcome::Cut: answer.status = RecordStatus::Cut; break;
    case WhoisOutcome::TimedOut: answer.status = RecordStatus::RegistryTimedOut; return answer;
    case WhoisOutcome::Unreachable: answer.status = RecordStatus::RegistryUnreachable; return answer;
  }
  answer.record = RecordToAnsi(reply.bytes, reply.outcome == WhoisOutcome::Cut);
  return answer;
}

}  // namespace tzl
