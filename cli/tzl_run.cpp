#include "cli/tzl_run.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "cli/cli_options.h"
#include "cli/console.h"
#include "cli/input_names.h"
#include "cli/json_report.h"
#include "cli/name_lookup.h"
#include "cli/panel_fields.h"
#include "cli/progress_line.h"
#include "cli/text_report.h"
#include "lookups/service_hosts.h"
#include "text/codepage.h"
#include "web/connect_to.h"
#include "whois/listen_address.h"
#include "whois/whois_gateway.h"

namespace tzl {

namespace {

const char kHelp[] =
    "Looks up domain names as the 探址灵 window does and prints what the services say.\n"
    "\n"
    "  tzl [options] NAME...      the names given\n"
    "  tzl [options] -            the names on standard input, one per line\n"
    "  tzl whois-gateway [--listen ADDR:PORT]\n"
    "                             serves registration records for other programs\n"
    "                             (default 127.0.0.1:4343)\n"
    "\n"
    "  --json          one JSON object per name and line\n"
    "  --no-details    without the detail panel (weights, address, filing)\n"
    "  -j N            N names at once (default 4, at most 64)\n"
    "\n"
    "Exit codes: 0 every name looked up, 1 some names could not be, 2 usage error.\n";

struct Outcome {
  bool ready = false;
  bool bad = false;
  std::string text;  // UTF-8: the report, or the reason a name was refused
};

// The record lookup asks the gateway's fixed address. When nothing there is
// routed elsewhere, this process serves it, unless another program (the
// desktop window, another tzl) already does.
void MakeSureTheRecordGatewayRuns() {
  ListenAddress address;
  if (!ParseListenAddress(ServiceHosts::RegistrationRecord, &address)) return;
  if (RouteConnection(address.ipv4, address.port).routed) return;
  StartWhoisGateway(ServiceHosts::RegistrationRecord);
}

std::vector<Text> CollectNames(const std::vector<Text>& given) {
  std::vector<Text> names;
  bool inputRead = false;
  for (const Text& name : given) {
    if (name != "-") {
      names.push_back(name);
    } else if (!inputRead) {
      for (const Text& line : NamesFromLines(ReadStandardInput())) names.push_back(line);
      inputRead = true;
    }
  }
  return names;
}

std::string Report(const Text& name, const CliOptions& options) {
  std::unique_ptr<MemoryResultPanel> panel = LookUpName(name, options.details);
  if (options.json) return FormatJsonReport(name, ReadNameFields(*panel)) + "\n";
  return AnsiToUtf8(FormatTextReport(*panel, options.details));
}

int LookUpAll(const CliOptions& options) {
  const std::vector<Text> names = CollectNames(options.names);
  if (names.empty()) return kExitAllLookedUp;
  MakeSureTheRecordGatewayRuns();

  std::vector<Outcome> outcomes(names.size());
  std::mutex mutex;
  std::condition_variable finished;
  std::atomic<size_t> next{0};
  size_t doneCount = 0;
  ProgressLine progress(ErrorIsTerminal(), names.size());

  auto work = [&] {
    for (;;) {
      size_t at = next++;
      if (at >= names.size()) return;
      Outcome outcome;
      Text problem = NameProblem(names[at]);
      if (!problem.empty()) {
        outcome.bad = true;
        outcome.text = "tzl: \"" + AnsiToUtf8(names[at]) + "\": " + problem;
      } else {
        outcome.text = Report(names[at], options);
      }
      outcome.ready = true;
      std::lock_guard<std::mutex> lock(mutex);
      outcomes[at] = std::move(outcome);
      progress.Done(++doneCount);
      finished.notify_all();
    }
  };
  size_t workerCount = std::min(names.size(), static_cast<size_t>(options.parallelNames));
  std::vector<std::thread> workers;
  for (size_t i = 0; i < workerCount; ++i) workers.emplace_back(work);

  // Reports come out in the order of the names, whatever order they finish in.
  bool anyBad = false;
  for (size_t at = 0; at < names.size(); ++at) {
    Outcome outcome;
    {
      std::unique_lock<std::mutex> lock(mutex);
      finished.wait(lock, [&] { return outcomes[at].ready; });
      outcome = std::move(outcomes[at]);
      outcomes[at].text.clear();
    }
    if (outcome.bad) {
      anyBad = true;
      progress.Message(outcome.text);
      continue;
    }
    if (!options.json && at > 0) outcome.text.insert(0, "\n");
    WriteOutput(outcome.text);
  }
  for (std::thread& worker : workers) worker.join();
  progress.Finish();
  return anyBad ? kExitBadNames : kExitAllLookedUp;
}

}  // namespace

int RunTzl(const std::vector<Text>& args) {
  CliOptions options;
  std::string error;
  if (!ParseCliOptions(args, &options, &error)) {
    WriteError("tzl: " + AnsiToUtf8(error) + "; " + kUsageLine + "\n");
    return kExitUsage;
  }
  switch (options.mode) {
    case CliOptions::Mode::Help: WriteOutput(std::string(kUsageLine) + "\n\n" + AnsiToUtf8(kHelp)); return 0;
    case CliOptions::Mode::Gateway:
      return RunWhoisGateway(options.listenAddress, [](const std::string& line) { WriteError(AnsiToUtf8(line) + "\n"); });
    case CliOptions::Mode::Lookup: break;
  }
  return LookUpAll(options);
}

}  // namespace tzl
