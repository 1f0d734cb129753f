#include "explanation_json.hpp"

#include "json_text.hpp"
#include "records.hpp"

namespace cellwright::tool {
namespace {

// "r5c6" for cell 49.
std::string cell_name(int cell) {
    // Appended piece by piece: g++ 12 warns falsely on "r" + std::to_string(...).
    std::string name = "r";
    name += std::to_string(cell / 9 + 1);
    name += 'c';
    name += std::to_string(cell % 9 + 1);
    return name;
}

// "row 3", "column 4", "box 5" for units 2, 12, 22.
std::string unit_name(int unit) {
    static constexpr const char* KINDS[3] = {"row ", "column ", "box "};
    return std::string(KINDS[unit / 9]) + std::to_string(unit % 9 + 1);
}

// [{"cell": "r1c1", "digits": [1, 2]}, ...]
Json cells_json(const std::vector<CellDigits>& cells) {
    Json list = Json::array();
    for (const CellDigits& entry : cells) {
        Json digits = Json::array();
        for (int d = 1; d <= 9; ++d) {
            if ((entry.digits >> (d - 1) & 1U) != 0) {
                digits.push_back(d);
            }
        }
        Json object = Json::object();
        object["cell"] = cell_name(entry.cell);
        object["digits"] = std::move(digits);
        list.push_back(std::move(object));
    }
    return list;
}

Json step_json(const SolvingStep& step) {
    Json units = Json::array();
    for (const int unit : step.units) {
        units.push_back(unit_name(unit));
    }
    Json placement = nullptr;
    if (step.placed_cell >= 0) {
        placement = Json::object();
        placement["cell"] = cell_name(step.placed_cell);
        placement["digit"] = step.placed_digit;
    }
    Json object = Json::object();
    object["technique"] = technique_key(step.technique);
    object["text"] = step.text;
    object["units"] = std::move(units);
    object["pattern"] = cells_json(step.pattern);
    object["placement"] = std::move(placement);
    object["eliminations"] = cells_json(step.eliminations);
    return object;
}

}  // namespace

std::string explanation_json(const Grid& grid, const Explanation& explanation) {
    Json steps = Json::array();
    for (const SolvingStep& step : explanation.steps) {
        steps.push_back(step_json(step));
    }
    Json object = Json::object();
    object[GIVENS_FIELD] = format_puzzle(grid, PuzzleFormat::line);
    object["status"] = status_key(explanation.status);
    object["text"] = explanation.text;
    object["steps"] = std::move(steps);
    object["grid"] = format_puzzle(explanation.grid, PuzzleFormat::line);
    object["version"] = version();
    return json_text(object);
}

}  // namespace cellwright::tool
