#include "show_command.hpp"

#include <iostream>

#include "app/platform.hpp"
#include "common_options.hpp"
#include "input_files.hpp"
#include "output_file.hpp"

namespace cellwright::tool {
namespace {

constexpr const char* GAP = "    ";

// One border line: the left corner, three runs of `width` strokes parted by junctions, the
// right corner.
std::string border(const char* left, const char* stroke, const char* junction, const char* right,
                   int width) {
    std::string line = left;
    for (int box = 0; box < 3; ++box) {
        for (int i = 0; i < width; ++i) {
            line += stroke;
        }
        line += box < 2 ? junction : right;
    }
    return line;
}

// A box's row of three cells: " 1 2 3 " plain or in bold, " 1 [2] 3 " in brackets.
std::string cells_of_box(const Grid& grid, const Grid& givens, GivenMarks marks, int first) {
    std::string text;
    for (int cell = first; cell < first + 3; ++cell) {
        const char digit = grid[cell] == 0 ? '.' : static_cast<char>('0' + grid[cell]);
        const bool given = givens[cell] != 0;
        if (marks == GivenMarks::brackets) {
            text += given ? '[' : ' ';
            text += digit;
            text += given ? ']' : ' ';
        } else {
            text += ' ';
            text += given && marks == GivenMarks::bold ? std::string("\x1b[1m") + digit + "\x1b[22m"
                                                       : std::string(1, digit);
        }
    }
    return marks == GivenMarks::brackets ? text : text + ' ';
}

std::string row_line(const Grid& grid, const Grid& givens, GivenMarks marks, int row) {
    std::string line = "┃";
    for (int box = 0; box < 3; ++box) {
        line += cells_of_box(grid, givens, marks, 9 * row + 3 * box);
        line += box < 2 ? "│" : "┃";
    }
    return line;
}

std::string heading(std::uint64_t number, const PuzzleEntry& entry, const Grading& grade) {
    std::string text = "problem " + std::to_string(number);
    // A plain puzzle is rated on the spot: grades 11 and 12 for classes 4 and 5.
    const std::int32_t shown = entry.grade != 0 ? entry.grade : grade.rated_grade;
    if (shown != 0) {
        text +=
            ": grade " + std::to_string(shown) + ", class " + std::to_string(class_of_grade(shown));
    } else {
        text += ": not graded";
    }
    return text;
}

}  // namespace

std::vector<std::string> grid_drawing(const Grid& grid, const Grid& givens, GivenMarks marks) {
    const int width = marks == GivenMarks::brackets ? 9 : 7;
    std::vector<std::string> lines;
    lines.push_back(border("┏", "━", "┯", "┓", width));
    for (int row = 0; row < 9; ++row) {
        if (row == 3 || row == 6) {
            lines.push_back(border("┠", "─", "┼", "┨", width));
        }
        lines.push_back(row_line(grid, givens, marks, row));
    }
    lines.push_back(border("┗", "━", "┷", "┛", width));
    return lines;
}

int run_show(const ShowOptions& options, std::istream& standard_input, std::ostream& out,
             std::ostream& errors) {
    const bool with_solutions = options.with_solutions;
    std::uint64_t number = 0;
    const std::uint64_t faults =
        for_each_puzzle(options.files, standard_input, errors, options.input_format,
                        [&](const RecordPlace&, const PuzzleEntry& entry) {
                            const Grading grade = grade_puzzle(entry.givens);
                            std::string title = heading(++number, entry, grade);
                            const bool beside = with_solutions && grade.solutions == 1;
                            if (with_solutions && !beside) {
                                title += grade.solutions == 0 ? " (no solution)" : " (not unique)";
                            }
                            const std::vector<std::string> problem = grid_drawing(entry.givens);
                            const std::vector<std::string> solution =
                                beside ? grid_drawing(grade.solution, entry.givens, options.marks)
                                       : std::vector<std::string>{};
                            out << (number > 1 ? "\n" : "") << title << '\n';
                            for (std::size_t i = 0; i < problem.size(); ++i) {
                                out << problem[i];
                                if (beside) {
                                    out << GAP << solution[i];
                                }
                                out << '\n';
                            }
                        });
    const bool written = finish_output(out, errors);
    return faults == 0 && written ? 0 : 1;
}

void add_show_command(CLI::App& app, int& status) {
    CLI::App* command = app.add_subcommand(
        "show",
        "Draw the puzzles of files (or of standard input), in any input format, as grids with "
        "a heading of number, grade and class");
    set_example(command, "cellwright-tool show 20261208_01\\(diff2\\).dat --solutions");
    auto options = std::make_shared<ShowOptions>();
    command->add_option("files", options->files, "Puzzle files; '-' or none for standard input");
    add_input_format_option(command, options->input_format);
    command->add_flag("--solutions", options->with_solutions,
                      "Draw each solution beside its puzzle, the givens in bold on a terminal "
                      "and in brackets elsewhere");
    command->callback([options, &status] {
        ShowOptions run = *options;
        run.marks = is_terminal(stdout) ? GivenMarks::bold : GivenMarks::brackets;
        status = run_show(run, std::cin, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool
