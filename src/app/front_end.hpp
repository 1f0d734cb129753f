#pragma once
// The program's command line: `cellwright c1|c2|c3` starts a batch, `cellwright --version`
// names the version, anything else prints the usage text.

#include <cstdio>

namespace cellwright {

// The class 1..3 asked for by a command line of exactly one argument whose first character
// is "c" or "C" and whose second is 1, 2 or 3 (anything after is ignored); 0 for any other
// command line, which calls for the usage text (or the version, see below).
int class_from_arguments(int argc, const char* const* argv);

// True for a command line of exactly one argument, "--version".
bool asks_for_version(int argc, const char* const* argv);

// The three-line usage text.
void print_usage(std::FILE* console);

// "cellwright MAJOR.MINOR.PATCH" and a line feed.
void print_version(std::FILE* console);

}  // namespace cellwright
