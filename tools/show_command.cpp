#include "show_command.hpp"

#include <iostream>

#include "input_files.hpp"
#include "output_file.hpp"

namespace cellwright::tool {
namespace {

constexpr const char* GAP = "    ";

// One border line: the left corner, three runs of seven strokes parted by junctions, the
// right corner.
std::string border(const char* left, const char* stroke, const char* junction, const char* right) {
    std::string line = left;
    for (int box = 0; box < 3; ++box) {
        for (int i = 0; i < 7; ++i) {
            line += stroke;
        }
        line += box < 2 ? junction : right;
    }
    return line;
}

std::string row_line(const Grid& grid, int row) {
    std::string line = "┃";
    for (int column = 0; column < 9; ++column) {
        const int digit = grid[9 * row + column];
        line += ' ';
        line += digit == 0 ? '.' : static_cast<char>('0' + digit);
        if (column == 8) {
            line += " ┃";
        } else if (column % 3 == 2) {
            line += " │";
        }
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

std::vector<std::string> grid_drawing(const Grid& grid) {
    std::vector<std::string> lines;
    lines.push_back(border("┏", "━", "┯", "┓"));
    for (int row = 0; row < 9; ++row) {
        if (row == 3 || row == 6) {
            lines.push_back(border("┠", "─", "┼", "┨"));
        }
        lines.push_back(row_line(grid, row));
    }
    lines.push_back(border("┗", "━", "┷", "┛"));
    return lines;
}

int run_show(const std::string& file, bool with_solutions, std::istream& standard_input,
             std::ostream& out, std::ostream& errors) {
    std::uint64_t number = 0;
    const std::uint64_t faults =
        for_each_puzzle({file}, standard_input, errors, [&](const PuzzleEntry& entry) {
            const Grading grade = grade_puzzle(entry.givens);
            std::string title = heading(++number, entry, grade);
            const bool beside = with_solutions && grade.solutions == 1;
            if (with_solutions && !beside) {
                title += grade.solutions == 0 ? " (no solution)" : " (not unique)";
            }
            const std::vector<std::string> problem = grid_drawing(entry.givens);
            const std::vector<std::string> solution =
                beside ? grid_drawing(grade.solution) : std::vector<std::string>{};
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
        "Draw the problems of a file (or of standard input) as grids with a heading of "
        "number, grade and class");
    auto file = std::make_shared<std::string>("-");
    auto with_solutions = std::make_shared<bool>(false);
    command->add_option("file", *file, "Problem file or puzzle file; '-' for standard input");
    command->add_flag("--solutions", *with_solutions, "Draw each solution beside its problem");
    command->callback([file, with_solutions, &status] {
        status = run_show(*file, *with_solutions, std::cin, std::cout, std::cerr);
    });
}

}  // namespace cellwright::tool
