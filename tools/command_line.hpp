#pragma once
// The command line of cellwright-tool: one CLI11 subcommand per job. Each `add_*_command`
// registers its subcommand; its callback stores the exit status in `status`.

#include <CLI/CLI.hpp>

namespace cellwright::tool {

// Builds the whole command line, parses `argv` and runs the chosen subcommand. Returns the
// exit status: the subcommand's, 0 for --help and --version ("cellwright-tool 1.0.0", the
// library's version), 2 for a command line it cannot accept (with the error and a usage line
// on standard error), 1 when the system ran out of a resource.
int run_tool(int argc, const char* const* argv);

}  // namespace cellwright::tool
