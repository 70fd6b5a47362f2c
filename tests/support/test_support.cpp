#include "tests/support/test_support.h"

#include <cstdio>

namespace tzl::test {

std::string Hex(const std::string& bytes) {
  std::string out;
  char buffer[4];
  for (unsigned char c : bytes) {
    std::snprintf(buffer, sizeof buffer, "%02X", c);
    if (!out.empty()) out += ' ';
    out += buffer;
  }
  return out;
}

}  // namespace tzl::test
