#include "cli/name_lookup.h"

#include <system_error>

#include "lookups/query_cleaning.h"

namespace tzl {

namespace {

constexpr size_t kMaxNameBytes = 253;

}  // namespace

JoiningStarter::~JoiningStarter() { JoinAll(); }

JobStarter JoiningStarter::Starter() {
  return [this](std::function<void()> job) {
    std::lock_guard<std::mutex> lock(mutex_);
    try {
      threads_.emplace_back(job);
    } catch (const std::system_error&) {
      // No thread to be had: the job runs here instead of being lost.
      job();
    }
  };
}

void JoiningStarter::JoinAll() {
  std::vector<std::thread> threads;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    threads.swap(threads_);
  }
  for (std::thread& thread : threads) thread.join();
}

Text NameProblem(const Text& name) {
  if (RemoveSpaces(name).empty()) return "empty name";
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return "control characters in the name";
  }
  if (CleanQuery(name).size() > kMaxNameBytes) return "name longer than 253 bytes";
  return Text();
}

std::unique_ptr<MemoryResultPanel> LookUpName(const Text& name, bool withDetails) {
  auto panel = std::make_unique<MemoryResultPanel>(name);
  JoiningStarter jobs;
  SubmitQuery(*panel, kEnterKey, jobs.Starter());
  if (withDetails) ShowDetails(*panel, jobs.Starter());
  jobs.JoinAll();
  return panel;
}

}  // namespace tzl
