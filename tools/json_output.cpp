#include "json_output.hpp"

namespace cellwright::tool {
namespace {

// Every text written is the library's or this tool's own (cells, digits, technique names and
// the steps' words), none with a quote, backslash or control character to escape.
std::string quoted(const std::string& text) {
    return '"' + text + '"';
}

std::string technique_or_null(const std::optional<Technique>& technique) {
    return technique ? quoted(technique_key(*technique)) : "null";
}

const char* status_key(SolveStatus status) {
    switch (status) {
        case SolveStatus::step:
            return "step";
        case SolveStatus::solved:
            return "solved";
        case SolveStatus::stalled:
            return "stalled";
        case SolveStatus::contradiction:
            return "contradiction";
    }
    return "";
}

// "r5c6" for cell 49.
std::string cell_name(int cell) {
    // Appended piece by piece: g++ 12 warns wrongly (-Wrestrict) on a literal + a temporary.
    std::string name = "r";
    name += std::to_string(cell / 9 + 1);
    name += 'c';
    name += std::to_string(cell % 9 + 1);
    return name;
}

// "row 3", "column 4", "box 5" for units 2, 12, 22.
std::string unit_name(int unit) {
    static constexpr const char* KINDS[3] = {"row ", "column ", "box "};
    return KINDS[unit / 9] + std::to_string(unit % 9 + 1);
}

// [{"cell": "r1c1", "digits": [1, 2]}, ...]
std::string cells_json(const std::vector<CellDigits>& cells) {
    std::string text = "[";
    for (const CellDigits& entry : cells) {
        text += (text.size() > 1 ? ", " : "") + std::string("{\"cell\": ") +
                quoted(cell_name(entry.cell)) + ", \"digits\": [";
        for (int d = 1; d <= 9; ++d) {
            if ((entry.digits >> (d - 1) & 1U) != 0) {
                text += (text.back() == '[' ? "" : ", ") + std::to_string(d);
            }
        }
        text += "]}";
    }
    return text + "]";
}

std::string step_json(const SolvingStep& step) {
    std::string units = "[";
    for (const int unit : step.units) {
        units += (units.size() > 1 ? ", " : "") + quoted(unit_name(unit));
    }
    units += "]";
    const std::string placement =
        step.placed_cell < 0 ? "null"
                             : "{\"cell\": " + quoted(cell_name(step.placed_cell)) +
                                   ", \"digit\": " + std::to_string(step.placed_digit) + "}";
    return "{\"technique\": " + quoted(technique_key(step.technique)) +
           ", \"text\": " + quoted(step.text) + ", \"units\": " + units +
           ", \"pattern\": " + cells_json(step.pattern) + ", \"placement\": " + placement +
           ", \"eliminations\": " + cells_json(step.eliminations) + "}";
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
           ", \"class\": " + number_or_null(grade.difficulty_class, graded) +
           ", \"rated_class\": " + number_or_null(grade.rated_class, grade.rated_class != 0) +
           ", \"rated_grade\": " + number_or_null(grade.rated_grade, grade.rated_grade != 0) +
           ", \"outcome\": " + quoted(status_key(grade.outcome)) +
           ", \"hardest\": " + technique_or_null(grade.hardest) +
           ", \"steps\": " + steps_json(grade.steps) + version_pair() + "}";
}

std::string steps_json(const TechniqueSteps& steps) {
    std::string text = "{";
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        if (steps[i] != 0) {
            text += (text.size() > 1 ? ", " : "") +
                    quoted(technique_key(static_cast<Technique>(i))) + ": " +
                    std::to_string(steps[i]);
        }
    }
    return text + "}";
}

std::string explanation_json(const Grid& grid, const Explanation& explanation) {
    std::string steps = "[";
    for (const SolvingStep& step : explanation.steps) {
        steps += (steps.size() > 1 ? ", " : "") + step_json(step);
    }
    steps += "]";
    return "{\"puzzle\": " + cells(grid) +
           ", \"status\": " + quoted(status_key(explanation.status)) +
           ", \"text\": " + quoted(explanation.text) + ", \"steps\": " + steps +
           ", \"grid\": " + cells(explanation.grid) + version_pair() + "}";
}

std::string generated_json(std::uint64_t index, std::uint64_t seed, const Problem& problem) {
    return "{\"index\": " + std::to_string(index) + ", \"seed\": " + std::to_string(seed) +
           ", \"class\": " + std::to_string(problem.difficulty_class) +
           ", \"grade\": " + std::to_string(problem.grade) +
           ", \"score\": " + number_or_null(problem.score, problem.difficulty_class <= 3) +
           ", \"counters\": " + counters_json(problem.counters) +
           ", \"givens\": " + cells(problem.givens) + ", \"solution\": " + cells(problem.solution) +
           ", \"hardest\": " + technique_or_null(problem.hardest) +
           ", \"steps\": " + steps_json(problem.steps) + version_pair() + "}";
}

}  // namespace cellwright::tool
