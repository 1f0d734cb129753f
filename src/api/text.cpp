// Puzzles to and from their text forms.

#include <cellwright/cellwright.hpp>

#include "app/grid_text.hpp"
#include "app/problem_line.hpp"
#include "app/puzzle_text.hpp"

namespace cellwright {

std::string grid_fault(const Grid& grid) {
    return describe_grid_fault(find_grid_fault(grid)).value_or(std::string());
}

std::string solution_fault(const Grid& givens, const Grid& solution) {
    if (find_grid_fault(givens).kind == GridFault::Kind::bad_cell) {
        return "the puzzle: " + grid_fault(givens);
    }
    return find_solution_fault(givens, solution).value_or(std::string());
}

ParsedPuzzle parse_puzzle(std::string_view text, PuzzleFormat format) {
    ParsedPuzzle parsed;
    parsed.format = format;
    TextFault fault;
    switch (format) {
        case PuzzleFormat::line: {
            LineCells cells;
            fault = parse_cell_line(text, cells);
            parsed.givens = cells.givens;
            parsed.solution = cells.solution;
            break;
        }
        case PuzzleFormat::problem_line: {
            ProblemRecord record;
            fault = parse_problem_line(text, record);
            parsed.givens = record.givens;
            parsed.grade = record.grade;
            break;
        }
        case PuzzleFormat::grid: {
            fault = parse_grid_text(text, parsed.givens, parsed.error_line);
            break;
        }
        default:
            fault = std::string("no such puzzle format");
    }
    if (fault) {
        parsed.error = std::move(*fault);
    } else {
        parsed.error_line = 0;
    }
    return parsed;
}

ParsedPuzzle parse_puzzle(std::string_view text) {
    if (text.find('\n') != std::string_view::npos) {
        return parse_puzzle(text, PuzzleFormat::grid);
    }
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
        case PuzzleFormat::grid:
            return format_grid_text(grid);
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
