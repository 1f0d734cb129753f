#pragma once
// `cellwright-tool print`: puzzles of any input format to printable sheets with answer keys,
// as PDF (every page in one file), or as SVG or PNG: one page a file, numbered (out-1.svg,
// out-2.svg, ...), or the single page --page names.

#include <iosfwd>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "common_options.hpp"
#include "print_drawing.hpp"
#include "print_output.hpp"

namespace cellwright::tool {

struct PrintOptions {
    std::vector<std::string> files;  // puzzle files, read in this order
    InputFormat input_format = InputFormat::automatic;
    std::string output;  // .pdf, .svg or .png
    SheetOptions sheet;
    int page = 0;  // the page an SVG or PNG shows, from 1; 0 when not given (every page)
    int dots_per_inch = DEFAULT_DOTS_PER_INCH;  // of a PNG
    bool force = false;                         // replace existing output files
    bool show_technique = false;  // name each problem's hardest technique in its heading
};

// Reads every input ("-" is `standard_input`), and only when all of it is sound writes the
// sheet to `options.output`, or its pages to the numbered files beside it, each an
// OutputFile (an existing file is replaced only with `force`; without it no file is written
// when any of them exists). Faults go to `errors`. Returns 0 on success, 1 when an input
// record or file is faulty or an output cannot be written (no new output file is left
// behind, an old one stays as it was), 2 for a page number the sheet does not have or a page
// number with a PDF, which holds every page.
int run_print(const PrintOptions& options, std::istream& standard_input, std::ostream& errors);

// Registers the `print` subcommand; its callback stores run_print's result in `status`.
void add_print_command(CLI::App& app, int& status);

}  // namespace cellwright::tool
