#pragma once
// `cellwright-tool print`: problem files to printable puzzle sheets with answer keys, as PDF
// (every page) or as one page of SVG or PNG.

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "print_drawing.hpp"

namespace cellwright::tool {

struct PrintOptions {
    std::vector<std::string> files;  // problem files, read in this order
    std::string output;              // .pdf, .svg or .png
    SheetOptions sheet;
    int page = 0;        // the page an SVG or PNG shows, from 1; 0 when not given (the first)
    bool force = false;  // replace an existing output file
    bool show_technique = false;  // name each problem's hardest technique in its heading
};

// Reads every input ("-" is `standard_input`), and only when all of it is sound writes the
// sheet to `options.output`, an OutputFile (an existing file is replaced only with `force`).
// Faults go to `errors`. Returns 0 on success, 1 when an input line or file is faulty or the
// output cannot be written (no output file is left behind, an old one stays as it was), 2 for
// a page number the sheet does not have or a page number with a PDF, which holds every page.
int run_print(const PrintOptions& options, std::istream& standard_input, std::ostream& errors);

// Registers the `print` subcommand; its callback stores run_print's result in `status`.
void add_print_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
