#include <unistd.h>

#include <cstdio>

#include "cli/console.h"
#include "text/codepage.h"
#include "whois/utf8.h"

namespace tzl {

namespace {

void WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n <= 0) return;  // a closed pipe: nothing more can be said
    done += static_cast<size_t>(n);
  }
}

}  // namespace

std::vector<Text> ProgramArguments(int argc, char** argv) {
  std::vector<Text> args;
  // A terminal in a GBK locale hands over code page 936 already.
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    args.push_back(ValidUtf8Prefix(arg) == arg.size() ? Utf8ToAnsi(arg) : arg);
  }
  return args;
}

std::string ReadStandardInput() {
  std::string bytes;
  char buffer[65536];
  for (;;) {
    ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) return bytes;
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

void WriteOutput(const std::string& utf8) { WriteAll(STDOUT_FILENO, utf8); }
void WriteError(const std::string& utf8) { WriteAll(STDERR_FILENO, utf8); }

bool ErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace tzl
