#include "print_command.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <sys/stat.h>

#include "print_input.hpp"
#include "print_output.hpp"

namespace cellwright::tool {

namespace {

// "x" makes the creation exclusive: an existing file is never truncated.
std::FILE* create_output(const std::string& path, bool force, std::ostream& errors) {
    std::FILE* out = std::fopen(path.c_str(), force ? "wb" : "wbx");
    if (out == nullptr) {
        if (errno == EEXIST) {
            errors << "cellwright-tool: " << path << ": already exists (--force replaces it)\n";
        } else {
            errors << "cellwright-tool: " << path << ": cannot create: " << std::strerror(errno)
                   << '\n';
        }
    }
    return out;
}

}  // namespace

int run_print(const PrintOptions& options, std::istream& standard_input, std::ostream& errors) {
    const std::optional<SheetFormat> format = format_of(options.output);
    if (!format) {
        errors << "cellwright-tool: " << options.output
               << ": the output must end in .pdf, .svg or .png\n";
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
    if (*format != SheetFormat::pdf && (options.page < 1 || options.page > pages)) {
        errors << "cellwright-tool: --page " << options.page << ": the sheet has pages 1 to "
               << pages << '\n';
        return 2;
    }

    std::FILE* out = create_output(options.output, options.force, errors);
    if (out == nullptr) {
        return 1;
    }
    // A half-written sheet is removed, but only when it is a plain file: --force may point
    // at a device or a pipe, which is not ours to delete.
    struct stat target {};
    const bool plain_file = ::fstat(::fileno(out), &target) == 0 && S_ISREG(target.st_mode);
    const bool written = write_sheet(out, *format, options.sheet, problems, options.page - 1);
    if (std::fclose(out) != 0 || !written) {
        errors << "cellwright-tool: " << options.output << ": writing failed\n";
        if (plain_file) {
            std::remove(options.output.c_str());
        }
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
        ->check(CLI::IsMember({1, 2, 4, 6}))
        ->capture_default_str();
    auto paper = std::make_shared<std::string>("a4");
    print->add_option("--paper", *paper, "paper size")
        ->transform(CLI::IsMember({"a4", "letter"}, CLI::ignore_case))
        ->capture_default_str();
    auto no_solutions = std::make_shared<bool>(false);
    print->add_flag("--no-solutions", *no_solutions, "leave out the answer key pages");
    print->add_option("--title", options->sheet.title, "text at the top of every page");
    print->add_option("--page", options->page, "the page an SVG or PNG shows, from 1")
        ->capture_default_str();
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
