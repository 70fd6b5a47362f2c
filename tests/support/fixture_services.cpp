#include "tests/support/fixture_services.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/fixture_http_client.h"
#include "tests/support/process_environment.h"
#include "text/text.h"

namespace tzl::test {

namespace {

int JsonNumber(const std::string& json, const std::string& key) {
  size_t at = json.find("\"" + key + "\"");
  if (at == std::string::npos) return 0;
  at = json.find(':', at);
  if (at == std::string::npos) return 0;
  return std::atoi(json.c_str() + at + 1);
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::string PercentDecode(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

// One record per line: scheme host method target request-line body, then
// name:value per header, every field percent-encoded.
bool ParseRecord(const std::string& line, RecordedRequest* record) {
  std::vector<std::string> fields = SplitAtByte(line, ' ');
  if (fields.size() < 6) return false;
  record->scheme = PercentDecode(fields[0]);
  record->host = PercentDecode(fields[1]);
  record->method = PercentDecode(fields[2]);
  record->target = PercentDecode(fields[3]);
  record->requestLine = PercentDecode(fields[4]);
  record->body = PercentDecode(fields[5]);
  for (size_t i = 6; i < fields.size(); ++i) {
    size_t colon = fields[i].find(':');
    if (colon == std::string::npos) continue;
    record->headers.emplace_back(PercentDecode(fields[i].substr(0, colon)), PercentDecode(fields[i].substr(colon + 1)));
  }
  return true;
}

}  // namespace

FixtureServices& FixtureServices::Instance() {
  static FixtureServices services;
  if (services.httpPort_ == 0) {
    ADD_FAILURE() << "fixture services are not running: TZL_FIXTURE_STATE must name the state file of "
                     "tests/support/fixture_server.py (ctest starts it for tests marked FIXTURES)";
  }
  return services;
}

FixtureServices::FixtureServices() {
  const char* path = std::getenv("TZL_FIXTURE_STATE");
  if (path == nullptr || *path == '\0') return;
  std::ifstream file(path, std::ios::binary);
  std::stringstream json;
  json << file.rdbuf();
  httpPort_ = JsonNumber(json.str(), "http_port");
  httpsPort_ = JsonNumber(json.str(), "https_port");
  if (httpPort_ != 0) requestsBefore_ = AllRequests().size();
}

std::string FixtureServices::ConnectToValue() const {
  std::string value;
  for (const std::string& route : routes_) value += route + ",";
  value += ":80:127.0.0.1:" + std::to_string(httpPort_) + ",:443:127.0.0.1:" + std::to_string(httpsPort_);
  return value;
}

void FixtureServices::RouteAllHosts() { SetEnvironment("TZL_CONNECT_TO", ConnectToValue()); }

void FixtureServices::AddRoute(const std::string& hostPort, bool https) {
  std::string route = hostPort + ":127.0.0.1:" + std::to_string(https ? httpsPort_ : httpPort_);
  for (const std::string& existing : routes_) {
    if (existing == route) return;
  }
  routes_.push_back(route);
}

std::vector<RecordedRequest> FixtureServices::Requests() {
  std::vector<RecordedRequest> records = AllRequests();
  records.erase(records.begin(), records.begin() + static_cast<std::ptrdiff_t>(std::min(requestsBefore_, records.size())));
  return records;
}

std::vector<RecordedRequest> FixtureServices::AllRequests() {
  std::vector<RecordedRequest> records;
  std::string listing;
  if (!FixtureHttpGet(httpPort_, "/__fixture/requests", &listing)) {
    ADD_FAILURE() << "the fixture server on port " << httpPort_ << " did not list its requests";
    return records;
  }
  for (const std::string& line : SplitAtByte(listing, '\n')) {
    RecordedRequest record;
    if (!line.empty() && ParseRecord(line, &record)) records.push_back(record);
  }
  return records;
}

std::vector<RecordedRequest> FixtureServices::RequestsFor(const std::string& targetSubstring) {
  std::vector<RecordedRequest> matching;
  for (RecordedRequest& record : Requests()) {
    if (record.target.find(targetSubstring) != std::string::npos) matching.push_back(record);
  }
  return matching;
}

void FixtureServices::SetDelay(int milliseconds) {
  std::string ignored;
  if (!FixtureHttpGet(httpPort_, "/__fixture/delay?ms=" + std::to_string(milliseconds), &ignored)) {
    ADD_FAILURE() << "the fixture server on port " << httpPort_ << " did not take the delay";
  }
}

std::string HeaderValue(const RecordedRequest& request, const std::string& name) {
  for (const auto& header : request.headers) {
    if (EqualsIgnoringAsciiCase(header.first, name)) return header.second;
  }
  return std::string();
}

}  // namespace tzl::test
