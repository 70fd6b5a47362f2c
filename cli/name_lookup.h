// One name through the same steps as Enter in the window, then the more
// button, with every job joined before the result is read.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "lookups/memory_result_panel.h"
#include "lookups/query_dispatch.h"
#include "text/text.h"

namespace tzl {

// Starts each job on a thread of its own, as the window does, and keeps the
// threads so that JoinAll can wait for them.
class JoiningStarter {
 public:
  ~JoiningStarter();  // JoinAll()
  JobStarter Starter();
  void JoinAll();

 private:
  std::mutex mutex_;
  std::vector<std::thread> threads_;
};

// Why `name` cannot be looked up, or the empty text when it can: a name
// that is empty or blanks alone (the window would ask for ".com"), holds
// control characters, or is longer than any domain name after cleaning.
// Plain ASCII.
Text NameProblem(const Text& name);

// Runs the four jobs of a query (and the detail job when `withDetails`) for
// `name` on a panel of its own and returns the panel once all have ended.
std::unique_ptr<MemoryResultPanel> LookUpName(const Text& name, bool withDetails);

}  // namespace tzl
