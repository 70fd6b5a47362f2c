// The request text and answer parsing that both socket clients share.
#pragma once

#include <string>

namespace tzl::test {

std::string FixtureHttpRequestText(const std::string& target);
// True for a complete "200" answer; `body` gets what follows the header.
bool FixtureHttpAnswerBody(const std::string& answer, std::string* body);

}  // namespace tzl::test
