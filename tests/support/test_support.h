// Helpers shared by the tests.
#pragma once

#include <string>

namespace tzl::test {

// The bytes of a text as hexadecimal pairs ("D7 A2"), for readable failures.
std::string Hex(const std::string& bytes);

}  // namespace tzl::test
