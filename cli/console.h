// The edges of the command-line tool: its arguments, standard input, and
// UTF-8 output to a terminal, a file or a pipe.
#pragma once

#include <string>
#include <vector>

#include "text/text.h"

namespace tzl {

// The arguments after the program name, as code-page-936 text. Linux hands
// them over in UTF-8 (an argument that is not UTF-8 is taken as code page
// 936 already); Windows reads its wide command line, so names outside the
// system's code page survive.
std::vector<Text> ProgramArguments(int argc, char** argv);

// All of standard input, as bytes.
std::string ReadStandardInput();

// UTF-8 text to standard output or standard error. A Windows console gets
// it as UTF-16 (WriteConsoleW); files and pipes get the UTF-8 bytes.
void WriteOutput(const std::string& utf8);
void WriteError(const std::string& utf8);

bool ErrorIsTerminal();

}  // namespace tzl
