// The command-line tool as a routine: arguments in, exit code out.
#pragma once

#include <vector>

#include "text/text.h"

namespace tzl {

constexpr int kExitAllLookedUp = 0;
constexpr int kExitBadNames = 1;  // some names could not be looked up; the others were
constexpr int kExitUsage = 2;

// `args` without the program name, as code-page-936 text.
int RunTzl(const std::vector<Text>& args);

}  // namespace tzl
