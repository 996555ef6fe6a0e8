// The simulator program's command line.
#pragma once

#include <string>
#include <vector>

#include "sim/sim_config.h"

namespace sim {

enum class ParseResult { Run, Help, Error };

// Parses the arguments (without the program name) into *config. Options
// with a required value take it as the next argument or after '='; optional
// values only after '='. Error: *error names the argument at fault and
// *config may be partly filled. At least one of --tcp and --pty is needed.
ParseResult parseSimArgs(const std::vector<std::string> &args, SimConfig *config,
                         std::string *error);

// The --help text.
std::string simUsage();

} // namespace sim
