// The two questions the program answers on the terminal, before any window.
#pragma once

#include <cstdio>

namespace orvelle {

// With --version or --help (also -h) anywhere on the command line, writes
// the version or the usage to `out` and returns 0, the exit code; nothing
// of the user interface is started, so no display is needed. Returns -1
// otherwise: the program starts, and the toolkit takes its own options.
int AnswerCommandLine(int argc, const char *const *argv, std::FILE *out);

}  // namespace orvelle
