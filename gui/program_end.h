// Ending the program: the exit routine registered at start runs once,
// then the process ends with the given code, taking any running job
// threads with it.
#pragma once

namespace tzl::gui {

void SetExitRoutine(void (*routine)());

// Runs the exit routine (if it has not run yet) and ends the process.
[[noreturn]] void EndProgram(int exitCode);

// Runs the exit routine once without ending the process (for a normal
// return from the message loop, which then returns from WinMain).
void RunExitRoutineOnce();

}  // namespace tzl::gui
