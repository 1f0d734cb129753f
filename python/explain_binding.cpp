// explain and hint: one puzzle solved step by step, each step as plain Python values.

#include <array>
#include <string>

#include "binding.hpp"

namespace cellwright::python {
namespace {

// Indexed by SolveStatus.
constexpr std::array<const char*, 4> STATUS_KEYS{"step", "solved", "stalled", "contradiction"};
static_assert(static_cast<int>(SolveStatus::step) == 0 &&
              static_cast<int>(SolveStatus::contradiction) == 3);

const char* status_key(SolveStatus status) {
    return STATUS_KEYS[static_cast<std::size_t>(status)];
}

// [(cell, [digits]), ...]
py::list cell_digits(const std::vector<CellDigits>& entries) {
    py::list cells;
    for (const CellDigits& entry : entries) {
        py::list digits;
        for (int digit = 1; digit <= 9; ++digit) {
            if ((entry.digits >> (digit - 1) & 1U) != 0) {
                digits.append(digit);
            }
        }
        cells.append(py::make_tuple(entry.cell, digits));
    }
    return cells;
}

py::dict step_dict(const SolvingStep& step) {
    py::dict fields;
    fields["technique"] = technique_key(step.technique);
    fields["text"] = step.text;
    py::list units;
    for (const int unit : step.units) {
        units.append(unit);
    }
    fields["units"] = units;
    fields["pattern"] = cell_digits(step.pattern);
    fields["placement"] = step.placed_cell < 0
                              ? py::object(py::none())
                              : py::object(py::make_tuple(step.placed_cell, step.placed_digit));
    fields["eliminations"] = cell_digits(step.eliminations);
    return fields;
}

// The one puzzle of `source`, read as `grade` reads puzzles.
Grid one_puzzle(const py::handle& source) {
    const std::vector<Grid> puzzles = read_puzzles(source);
    if (puzzles.size() != 1) {
        throw py::value_error("give one puzzle, not " + std::to_string(puzzles.size()));
    }
    return puzzles.front();
}

py::dict explanation_dict(const Grid& puzzle, Explanation (*solve)(const Grid&)) {
    Explanation explanation;
    {
        const py::gil_scoped_release release;
        explanation = solve(puzzle);
    }
    py::list steps;
    for (const SolvingStep& step : explanation.steps) {
        steps.append(step_dict(step));
    }
    // The fields of cellwright-tool explain's JSON records, in their order.
    py::dict fields;
    fields["puzzle"] = py::array_t<std::uint8_t>(81, puzzle.data());
    fields["status"] = status_key(explanation.status);
    fields["text"] = explanation.text;
    fields["steps"] = steps;
    fields["grid"] = py::array_t<std::uint8_t>(81, explanation.grid.data());
    return fields;
}

}  // namespace

py::tuple status_keys() {
    py::tuple keys(STATUS_KEYS.size());
    for (std::size_t i = 0; i < STATUS_KEYS.size(); ++i) {
        keys[i] = py::str(STATUS_KEYS[i]);
    }
    return keys;
}

void add_explaining(py::module_& module) {
    module.def(
        "explain",
        [](const py::object& puzzle) { return explanation_dict(one_puzzle(puzzle), &explain); },
        py::arg("puzzle"),
        R"(Solve one puzzle step by step, as `cellwright-tool explain` does: each step the
cheapest technique that makes progress, until the grid is full, no technique applies, or a
contradiction shows. `puzzle` is read as `grade` reads one (a text line or 81 integers) and
may be partly filled in.

Returns a dict: puzzle and grid (uint8[81]: the grid after the steps, the solution when
solved), status ("solved", "stalled" or "contradiction"), text (the outcome in words) and
steps, a list of dicts with technique (a key of TECHNIQUES), text (in r1c1 notation, "X-wing
on 3 in rows 2 and 7, ..."), units (0..8 rows, 9..17 columns, 18..26 boxes), pattern and
eliminations (lists of (cell, [digits]), cells 0..80 row by row), and placement ((cell,
digit), or None when the step only removes candidates).)");

    module.def(
        "hint",
        [](const py::object& puzzle) { return explanation_dict(one_puzzle(puzzle), &hint); },
        py::arg("puzzle"),
        R"(The next step of one puzzle only, as `cellwright-tool explain --first`: status
"step" with that step in `steps` and its words in `text`, or how the grid stands when there
is none. The same fields as `explain`.)");
}

}  // namespace cellwright::python
