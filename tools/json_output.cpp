#include "json_output.hpp"

namespace cellwright::tool {
namespace {

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::string number_or_null(std::int32_t value, bool present) {
    return present ? std::to_string(value) : "null";
}

// The last pair of every record: which version of the library made it.
std::string version_pair() {
    return ", \"version\": " + quoted(version());
}

// A grid's cells as 81 characters, "." for an empty cell.
std::string cells(const Grid& grid) {
    return quoted(format_puzzle(grid, PuzzleFormat::line));
}

}  // namespace

std::string counters_json(const LadderCounters& counters) {
    return "{\"box_single_passes\": " + std::to_string(counters.box_single_passes) +
           ", \"locked_candidate_sweeps\": " + std::to_string(counters.locked_candidate_sweeps) +
           ", \"naked_single_scans\": " + std::to_string(counters.naked_single_scans) +
           ", \"line_single_passes\": " + std::to_string(counters.line_single_passes) +
           ", \"naked_pair_sweeps\": " + std::to_string(counters.naked_pair_sweeps) +
           ", \"naked_triple_sweeps\": " + std::to_string(counters.naked_triple_sweeps) + "}";
}

std::string grade_json(const Grid& givens, const Grading& grade) {
    const bool graded = grade.graded();
    return "{\"puzzle\": " + cells(givens) + ", \"solutions\": " + std::to_string(grade.solutions) +
           ", \"solution\": " + (grade.solutions == 1 ? cells(grade.solution) : "null") +
           ", \"solved\": " + (grade.solved ? "true" : "false") +
           ", \"counters\": " + counters_json(grade.counters) +
           ", \"score\": " + number_or_null(grade.score, graded) +
           ", \"grade\": " + number_or_null(grade.grade, graded) +
           ", \"class\": " + number_or_null(grade.difficulty_class, graded) + version_pair() + "}";
}

std::string generated_json(std::uint64_t index, std::uint64_t seed, const Problem& problem) {
    return "{\"index\": " + std::to_string(index) + ", \"seed\": " + std::to_string(seed) +
           ", \"class\": " + std::to_string(problem.difficulty_class) +
           ", \"grade\": " + std::to_string(problem.grade) +
           ", \"score\": " + std::to_string(problem.score) +
           ", \"counters\": " + counters_json(problem.counters) +
           ", \"givens\": " + cells(problem.givens) + ", \"solution\": " + cells(problem.solution) +
           version_pair() + "}";
}

}  // namespace cellwright::tool
