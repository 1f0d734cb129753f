#include "json_output.hpp"

#include "app/grading.hpp"
#include "puzzle_input.hpp"

namespace cellwright::tool {
namespace {

std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::string number_or_null(std::int32_t value, bool present) {
    return present ? std::to_string(value) : "null";
}

}  // namespace

std::string counters_json(const TechniqueCounters& counters) {
    return "{\"box_single_passes\": " + std::to_string(counters.box_single_passes) +
           ", \"locked_candidate_sweeps\": " + std::to_string(counters.locked_candidate_sweeps) +
           ", \"naked_single_scans\": " + std::to_string(counters.naked_single_scans) +
           ", \"line_single_passes\": " + std::to_string(counters.line_single_passes) +
           ", \"naked_pair_sweeps\": " + std::to_string(counters.naked_pair_sweeps) +
           ", \"naked_triple_sweeps\": " + std::to_string(counters.naked_triple_sweeps) + "}";
}

std::string grade_json(const DigitGrid& givens, const PuzzleGrade& grade) {
    const bool graded = grade.graded();
    return "{\"puzzle\": " + quoted(grid_text(givens)) +
           ", \"solutions\": " + std::to_string(grade.solutions) + ", \"solution\": " +
           (grade.solutions == 1 ? quoted(grid_text(grade.solution, '0')) : "null") +
           ", \"solved\": " + (grade.solved ? "true" : "false") +
           ", \"counters\": " + counters_json(grade.counters) +
           ", \"score\": " + number_or_null(grade.score, graded) +
           ", \"grade\": " + number_or_null(grade.grade, graded) +
           ", \"class\": " + number_or_null(grade.difficulty_class, graded) + "}";
}

std::string generated_json(std::uint64_t index, std::uint64_t seed, const ProblemRecord& record,
                           const TechniqueCounters& counters) {
    return "{\"index\": " + std::to_string(index) + ", \"seed\": " + std::to_string(seed) +
           ", \"class\": " + std::to_string(GRADE_CLASS[record.grade]) +
           ", \"grade\": " + std::to_string(record.grade) +
           ", \"score\": " + std::to_string(difficulty_score(counters)) +
           ", \"counters\": " + counters_json(counters) +
           ", \"givens\": " + quoted(grid_text(record.givens)) +
           ", \"solution\": " + quoted(grid_text(record.solution, '0')) + "}";
}

}  // namespace cellwright::tool
