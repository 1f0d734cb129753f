#pragma once
// The options that several subcommands share, spelt and read alike in all of them:
//   -o, --output FILE   write to a new FILE instead of standard output (complete or absent)
//   --force             replace FILE when it exists
//   --input-format F    auto (default), line, dat, json, csv or grid
// and the example each subcommand's --help ends with.

#include <string>

#include <CLI/CLI.hpp>

#include "input_formats.hpp"

namespace cellwright::tool {

struct OutputOptions {
    std::string path;  // empty for standard output
    bool force = false;
};

// Adds -o/--output (required when `required`) and --force, described with `what`.
void add_output_options(CLI::App* command, OutputOptions& output, const std::string& what,
                        bool required = false);

// Adds --input-format.
void add_input_format_option(CLI::App* command, InputFormat& format);

// Ends the subcommand's --help with "Example:" and `example`.
void set_example(CLI::App* command, const std::string& example);

}  // namespace cellwright::tool
