#include "tests/support/process_environment.h"

#include <windows.h>

#include <cstdlib>

namespace tzl::test {

// The C runtime keeps its own copy of the environment for getenv: set both
// that copy and the process's block.
void SetEnvironment(const std::string& name, const std::string& value) {
  SetEnvironmentVariableA(name.c_str(), value.c_str());
  _putenv((name + "=" + value).c_str());
}

void UnsetEnvironment(const std::string& name) {
  SetEnvironmentVariableA(name.c_str(), nullptr);
  _putenv((name + "=").c_str());
}

}  // namespace tzl::test
