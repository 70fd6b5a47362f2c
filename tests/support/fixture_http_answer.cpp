#include "tests/support/fixture_http_answer.h"

namespace tzl::test {

std::string FixtureHttpRequestText(const std::string& target) {
  return "GET " + target + " HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: close\r\n\r\n";
}

bool FixtureHttpAnswerBody(const std::string& answer, std::string* body) {
  size_t end = answer.find("\r\n\r\n");
  if (end == std::string::npos || answer.compare(0, 9, "HTTP/1.1 ") != 0) return false;
  if (answer.compare(9, 3, "200") != 0) return false;
  *body = answer.substr(end + 4);
  return true;
}

}  // namespace tzl::test
