#include "gui/program_end.h"

#include <windows.h>

#include <atomic>

namespace tzl::gui {

namespace {
std::atomic<void (*)()> exitRoutine{nullptr};
}

void SetExitRoutine(void (*routine)()) { exitRoutine = routine; }

void RunExitRoutineOnce() {
  void (*routine)() = exitRoutine.exchange(nullptr);
  if (routine) routine();
}

void EndProgram(int exitCode) {
  RunExitRoutineOnce();
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace tzl::gui
