// Feeds arbitrary bytes to the puzzle and problem-line parsers, the capped line reader, the
// grading path and the problem-file checker, and traps when a promise is broken: a parsed
// grid with a clash, a solution that does not solve its puzzle, a solved ladder on a puzzle
// without exactly one solution, a grade outside 1..10.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "input_files.hpp"
#include "json_output.hpp"
#include "puzzle_input.hpp"
#include "verify_command.hpp"

namespace {

using namespace cellwright;
using namespace cellwright::tool;

void require(bool promise) {
    if (!promise) {
        __builtin_trap();
    }
}

bool agrees(const Grid& solution, const Grid& givens) {
    for (std::size_t cell = 0; cell < givens.size(); ++cell) {
        if (solution[cell] < 1 || solution[cell] > 9) {
            return false;
        }
        if (givens[cell] != 0 && givens[cell] != solution[cell]) {
            return false;
        }
    }
    return grid_fault(solution).empty();
}

void check_entry(const PuzzleEntry& entry, std::ostream& sink) {
    require(grid_fault(entry.givens).empty());
    require(entry.grade >= 0 && entry.grade <= 10);
    const Grading grade = grade_puzzle(entry.givens);
    require(grade.solutions >= 0 && grade.solutions <= 2);
    if (grade.solutions == 1) {
        require(agrees(grade.solution, entry.givens));
    }
    if (grade.solved) {
        require(grade.solutions == 1);
    }
    if (grade.graded()) {
        require(grade.solved && grade.grade >= 1 && grade.grade <= 10);
    }
    sink << grade_json(entry.givens, grade) << '\n';
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::ostringstream sink;

    // The whole input as one line, in both forms.
    PuzzleEntry entry;
    if (!parse_puzzle_line(text, entry).has_value()) {
        check_entry(entry, sink);
    }
    if (!parse_problem_line(text, entry).has_value()) {
        require(entry.grade >= 1 && entry.grade <= 10);
    }

    // Line by line, as grade and show read files.
    std::istringstream lines(text);
    read_puzzles("fuzz", lines, sink, [&](std::uint64_t, const PuzzleEntry& line_entry) {
        check_entry(line_entry, sink);
    });

    // As a problem file.
    std::istringstream file(text);
    VerifyTally tally;
    verify_problem_file("fuzz", file, sink, tally);
    require(tally.files == 1 && (tally.problems == 0) == text.empty());
    return 0;
}
