#include "print_command.hpp"

#include <climits>
#include <iostream>

#include "number_option.hpp"
#include "output_file.hpp"
#include "print_input.hpp"
#include "print_output.hpp"

namespace cellwright::tool {

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
                             options.show_technique)) {
        return 1;
    }
    if (problems.empty()) {
        errors << "cellwright-tool: no problems to print\n";
        return 1;
    }
    const int pages = plan_sheet(static_cast<int>(problems.size()), options.sheet.puzzles_per_page,
                                 options.sheet.with_answers)
                          .total_pages();
    const int page = options.page == 0 ? 1 : options.page;
    if (*format != SheetFormat::pdf && page > pages) {
        errors << "cellwright-tool: --page " << page << ": the sheet has pages 1 to " << pages
               << '\n';
        return 2;
    }

    OutputFile out;
    OutputFault fault = out.open(options.output, options.force, "--force");
    if (!fault) {
        if (write_sheet(out, *format, options.sheet, problems, page - 1)) {
            fault = out.commit();
        } else {
            fault = out.write_fault().value_or(options.output + ": drawing the sheet failed");
            out.discard();
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
        "Turn problem files into printable puzzle pages followed by answer key pages. PDF "
        "holds every page; SVG and PNG hold a single page: the first, or the one --page "
        "names.");
    print->add_option("FILE", options->files, "problem files; '-' for standard input")->required();
    print->add_option("-o,--output", options->output, "OUT.pdf, OUT.svg or OUT.png")->required();
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
    print->add_option("--page", options->page, "the page an SVG or PNG shows (default 1)")
        ->transform(number_in(1, INT_MAX, "1..2^31-1"));
    print->add_flag("--force", options->force, "replace OUT when it exists");
    print->add_flag("--show-technique", options->show_technique,
                    "name each puzzle's hardest technique in its heading");
    print->callback([options, paper, no_solutions, &status] {
        options->sheet.paper = *paper == "letter" ? Paper::letter : Paper::a4;
        options->sheet.with_answers = !*no_solutions;
        status = run_print(*options, std::cin, std::cerr);
    });
}

}  // namespace cellwright::tool
