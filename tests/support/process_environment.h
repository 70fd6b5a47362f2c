// Environment variables of this process, set so that getenv sees them.
#pragma once

#include <string>

namespace tzl::test {

void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);

}  // namespace tzl::test
