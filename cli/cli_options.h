// The command line of tzl.
#pragma once

#include <string>
#include <vector>

#include "text/text.h"

namespace tzl {

constexpr int kDefaultParallelNames = 4;
// Each name runs five jobs on threads of their own; this bounds the threads.
constexpr int kMaxParallelNames = 64;

struct CliOptions {
  enum class Mode { Lookup, Gateway, Help };
  Mode mode = Mode::Lookup;
  bool json = false;
  bool details = true;
  int parallelNames = kDefaultParallelNames;
  // In the order given; "-" stands for the lines of standard input.
  std::vector<Text> names;
  std::string listenAddress = "127.0.0.1:4343";
};

extern const char kUsageLine[];

// `args` without the program name. On a usage error returns false and
// puts a one-line reason (no line break) in `error`.
bool ParseCliOptions(const std::vector<Text>& args, CliOptions* options, std::string* error);

}  // namespace tzl
