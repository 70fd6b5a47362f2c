// The program's start and end: the run time, the appearance engine, the
// exit routine, the main window and the message loop.
#pragma once

namespace tzl::app {

// Runs the whole program; returns its exit code (always 0).
int RunProgram();

// The exit routine: releases the texts the lookups keep, the engine
// object, the watched file's last content.
void ReleaseGlobals();

}  // namespace tzl::app
