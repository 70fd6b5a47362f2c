#include "cli/cli_options.h"

namespace tzl {

const char kUsageLine[] =
    "usage: tzl [--json] [--no-details] [-j N] NAME...|-   or   tzl whois-gateway [--listen ADDR:PORT]";

namespace {

bool ParseCount(const std::string& text, int* count) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) return false;
  *count = std::stoi(text);
  return *count >= 1 && *count <= kMaxParallelNames;
}

// The value of an option given as "--opt VALUE" or "--opt=VALUE"; false
// when it is missing.
bool OptionValue(const std::vector<Text>& args, size_t* at, const std::string& name, std::string* value) {
  const Text& arg = args[*at];
  if (arg.size() > name.size() && arg.compare(0, name.size() + 1, name + "=") == 0) {
    *value = arg.substr(name.size() + 1);
    return true;
  }
  if (*at + 1 >= args.size()) return false;
  *value = args[++*at];
  return true;
}

bool ParseGateway(const std::vector<Text>& args, CliOptions* options, std::string* error) {
  options->mode = CliOptions::Mode::Gateway;
  for (size_t at = 1; at < args.size(); ++at) {
    const Text& arg = args[at];
    if (arg == "--listen" || arg.compare(0, 9, "--listen=") == 0) {
      if (!OptionValue(args, &at, "--listen", &options->listenAddress) || options->listenAddress.empty()) {
        *error = "--listen needs ADDR:PORT";
        return false;
      }
    } else if (arg == "-h" || arg == "--help") {
      options->mode = CliOptions::Mode::Help;
    } else {
      *error = "whois-gateway does not take " + arg;
      return false;
    }
  }
  return true;
}

}  // namespace

bool ParseCliOptions(const std::vector<Text>& args, CliOptions* options, std::string* error) {
  *options = CliOptions();
  if (!args.empty() && args[0] == "whois-gateway") return ParseGateway(args, options, error);
  bool onlyNames = false;
  for (size_t at = 0; at < args.size(); ++at) {
    const Text& arg = args[at];
    if (onlyNames || arg == "-" || arg.empty() || arg[0] != '-') {
      options->names.push_back(arg);
    } else if (arg == "--") {
      onlyNames = true;
    } else if (arg == "--json") {
      options->json = true;
    } else if (arg == "--no-details") {
      options->details = false;
    } else if (arg == "-h" || arg == "--help") {
      options->mode = CliOptions::Mode::Help;
      return true;
    } else if (arg == "-j" || arg == "--jobs" || arg.compare(0, 7, "--jobs=") == 0 ||
               (arg.size() > 2 && arg.compare(0, 2, "-j") == 0)) {
      std::string value;
      bool given = arg.size() > 2 && arg[1] == 'j' ? (value = arg.substr(2), true)
                                                   : OptionValue(args, &at, "--jobs", &value);
      if (!given || !ParseCount(value, &options->parallelNames)) {
        *error = "-j needs a number from 1 to " + std::to_string(kMaxParallelNames);
        return false;
      }
    } else {
      *error = "unknown option " + arg;
      return false;
    }
  }
  if (options->names.empty()) {
    *error = "no names given";
    return false;
  }
  return true;
}

}  // namespace tzl
