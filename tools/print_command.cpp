#include "print_command.hpp"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <iostream>

#include "app/platform.hpp"
#include "number_option.hpp"
#include "output_file.hpp"
#include "print_input.hpp"
#include "print_output.hpp"

namespace cellwright::tool {

namespace {

// Writes page `page` (0-based) of the sheet, or every page of a PDF, to `path`.
OutputFault write_sheet_file(const std::string& path, const PrintOptions& options,
                             SheetFormat format, std::span<const PrintProblem> problems, int page) {
    OutputFile out;
    if (OutputFault fault = out.open(path, options.force, "--force")) {
        return fault;
    }
    if (!write_sheet(out, format, options.sheet, problems, page, options.dots_per_inch)) {
        OutputFault fault = out.write_fault().value_or(path + ": drawing the sheet failed");
        out.discard();
        return fault;
    }
    return out.commit();
}

}  // namespace

int run_print(const PrintOptions& options, std::istream& standard_input, std::ostream& errors) {
    const std::optional<SheetFormat> format = format_of(options.output);
    if (!format) {
        errors << "cellwright-tool: " << options.output
               << ": the output must end in .pdf, .svg or .png\n";
        return 2;
    }
    if (*format == SheetFormat::pdf && options.page != 0) {
        errors << "cellwright-tool: --page " << options.page
               << ": a PDF holds every page; --page picks one for SVG and PNG\n";
        return 2;
    }
    if (!is_drawable_text(options.sheet.title)) {
        errors << "cellwright-tool: --title: not valid UTF-8 text\n";
        return 2;
    }
    std::vector<PrintProblem> problems;
    if (!read_print_problems(options.files, standard_input, problems, errors,
                             options.show_technique, options.input_format)) {
        return 1;
    }
    if (problems.empty()) {
        errors << "cellwright-tool: no problems to print\n";
        return 1;
    }
    const int pages = plan_sheet(static_cast<int>(problems.size()), options.sheet.puzzles_per_page,
                                 options.sheet.with_answers)
                          .total_pages();
    if (options.page > pages) {
        errors << "cellwright-tool: --page " << options.page << ": the sheet has pages 1 to "
               << pages << '\n';
        return 2;
    }
    OutputFault fault;
    if (*format == SheetFormat::pdf || options.page != 0) {
        fault = write_sheet_file(options.output, options, *format, problems,
                                 std::max(options.page, 1) - 1);
    } else {
        // One file a page. All or none: every name is checked first, and the pages already
        // written go again when a later one fails.
        std::vector<std::string> names;
        for (int page = 1; page <= pages; ++page) {
            names.push_back(page_file_name(options.output, page));
            if (!options.force && name_exists(names.back().c_str())) {
                fault = names.back() + ": already exists, not overwritten (--force replaces it)";
                break;
            }
        }
        for (int page = 0; !fault && page < pages; ++page) {
            fault = write_sheet_file(names[page], options, *format, problems, page);
            if (fault) {
                for (int written = 0; written < page; ++written) {
                    std::remove(names[written].c_str());
                }
            }
        }
        if (!fault) {
            errors << "cellwright-tool: wrote " << pages << (pages == 1 ? " page: " : " pages: ")
                   << names.front() << (pages == 1 ? "" : " to " + names.back()) << '\n';
        }
    }
    if (fault) {
        errors << "cellwright-tool: " << *fault << '\n';
        return 1;
    }
    return 0;
}

void add_print_command(CLI::App& app, int& status) {
    auto options = std::make_shared<PrintOptions>();
    CLI::App* print = app.add_subcommand(
        "print",
        "Turn puzzles of any input format into printable puzzle pages followed by answer key "
        "pages. PDF holds every page; SVG and PNG hold one page a file, OUT-1.png, OUT-2.png, "
        "..., or only the one --page names, in OUT.png.");
    set_example(print, "cellwright-tool print hard.dat -o hard.pdf --title \"Hard puzzles\"");
    print->add_option("FILE", options->files, "Puzzle files; '-' for standard input")->required();
    add_input_format_option(print, options->input_format);
    auto output = std::make_shared<OutputOptions>();
    add_output_options(print, *output, "OUT.pdf, OUT.svg or OUT.png", true);
    print->add_option("--per-page", options->sheet.puzzles_per_page, "puzzles per page")
        ->transform(number_in(0, INT_MAX, "1, 2, 4 or 6"))
        ->check(CLI::IsMember({1, 2, 4, 6}))
        ->capture_default_str();
    auto paper = std::make_shared<std::string>("a4");
    print->add_option("--paper", *paper, "paper size")
        ->transform(CLI::IsMember({"a4", "letter"}, CLI::ignore_case))
        ->capture_default_str();
    auto no_solutions = std::make_shared<bool>(false);
    print->add_flag("--no-solutions", *no_solutions, "leave out the answer key pages");
    print->add_option("--title", options->sheet.title, "text at the top of every page");
    print->add_option("--page", options->page, "The one page an SVG or PNG shows, in OUT itself")
        ->transform(number_in(1, INT_MAX, "1..2^31-1"));
    print->add_option("--dpi", options->dots_per_inch, "Dots per inch of a PNG (default 300)")
        ->transform(number_in(MIN_DOTS_PER_INCH, MAX_DOTS_PER_INCH, "36..1200"));
    print->add_flag("--show-technique", options->show_technique,
                    "name each puzzle's hardest technique in its heading");
    print->callback([options, output, paper, no_solutions, &status] {
        options->output = output->path;
        options->force = output->force;
        options->sheet.paper = *paper == "letter" ? Paper::letter : Paper::a4;
        options->sheet.with_answers = !*no_solutions;
        status = run_print(*options, std::cin, std::cerr);
    });
}

}  // namespace cellwright::tool
