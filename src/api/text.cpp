// Puzzles to and from their text forms.

#include <cellwright/cellwright.hpp>

#include "app/problem_line.hpp"
#include "app/puzzle_text.hpp"

namespace cellwright {

std::string grid_fault(const Grid& grid) {
    return describe_grid_fault(find_grid_fault(grid)).value_or(std::string());
}

ParsedPuzzle parse_puzzle(std::string_view text, PuzzleFormat format) {
    ParsedPuzzle parsed;
    parsed.format = format;
    TextFault fault;
    switch (format) {
        case PuzzleFormat::line: {
            fault = parse_cell_line(text, parsed.givens);
            break;
        }
        case PuzzleFormat::problem_line: {
            ProblemRecord record;
            fault = parse_problem_line(text, record);
            parsed.givens = record.givens;
            parsed.grade = record.grade;
            break;
        }
        default:
            fault = std::string("no such puzzle format");
    }
    if (fault) {
        parsed.error = std::move(*fault);
    }
    return parsed;
}

ParsedPuzzle parse_puzzle(std::string_view text) {
    const bool problem_line = text.find('/') != std::string_view::npos;
    return parse_puzzle(text, problem_line ? PuzzleFormat::problem_line : PuzzleFormat::line);
}

std::string format_puzzle(const Grid& grid, PuzzleFormat format, int grade) {
    if (find_grid_fault(grid).kind == GridFault::Kind::bad_cell) {
        return {};
    }
    switch (format) {
        case PuzzleFormat::line:
            return format_cell_line(grid);
        case PuzzleFormat::problem_line: {
            if (grade < 1 || grade > MAX_LINE_GRADE) {
                return {};
            }
            ProblemRecord record;
            record.givens = grid;
            record.grade = grade;
            return std::string(format_problem_line(record).view());
        }
    }
    return {};
}

}  // namespace cellwright
