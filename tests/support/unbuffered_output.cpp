// Every test program writes its output unbuffered: under Wine, output to
// a pipe is fully buffered, and a test that ctest ends at its time-out
// would otherwise leave no line saying where it stood.
#include <cstdio>

namespace {

struct UnbufferedOutput {
  UnbufferedOutput() {
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
  }
};

const UnbufferedOutput unbufferedOutput;

}  // namespace
