// The calls the page's Web Worker makes into the engine, compiled to WebAssembly: plain C
// functions over numbers and byte buffers in the module's memory, so the JavaScript side
// needs no binding library. The worker (site/worker.js) reads the records by the layouts
// drawn here; keep the two in step.

#include <cellwright/cellwright.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

using cellwright::TECHNIQUE_COUNT;

// One generated problem as the worker reads it: 32-bit numbers, then the two grids as 81
// characters each ("." for an empty cell), then the problem line, NUL-terminated.
//   numbers[0..2]   grade, class, score
//   numbers[3..8]   the ladder counters, in the order of LadderCounters
//   numbers[9]      the hardest technique (its number in Technique), -1 for none
//   numbers[10..]   steps per technique, TECHNIQUE_COUNT of them
constexpr int PROBLEM_NUMBERS = 10 + TECHNIQUE_COUNT;
struct WebProblem {
    std::int32_t numbers[PROBLEM_NUMBERS];
    char givens[81];
    char solution[81];
    char problem_line[96];
};

// The next step from a grid as the worker reads it: seven 32-bit numbers, then the lists
// they count, then the step's text (or how the grid stands), NUL-terminated and cut short at
// the buffer's end.
//   numbers[0]  how the grid stands: 0 a step, 1 solved, 2 stalled, 3 contradiction
//   numbers[1]  the step's technique, -1 for none
//   numbers[2]  the cell it fills, -1 for none; numbers[3] the digit it puts there
//   numbers[4]  P, the pattern's cells; numbers[5] E, the cells with candidates removed;
//   numbers[6]  U, the pattern's units
//   then P pairs (cell, candidate bits), E pairs (cell, candidate bits), U units; a
//   candidate bit d-1 for digit d, a unit 0..8 a row, 9..17 a column, 18..26 a box.
constexpr int HINT_NUMBERS = 7 + 2 * 81 + 2 * 81 + 27;
struct WebHint {
    std::int32_t numbers[HINT_NUMBERS];
    char text[2048];
};

void copy_line(const cellwright::Grid& grid, char (&out)[81]) {
    const std::string line = cellwright::format_puzzle(grid, cellwright::PuzzleFormat::line);
    std::memcpy(out, line.data(), sizeof out);
}

template <std::size_t N>
void copy_text(const std::string& text, char (&out)[N]) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(out, text.data(), length);
    out[length] = '\0';
}

std::uint64_t join(std::uint32_t high, std::uint32_t low) {
    return std::uint64_t{high} << 32 | low;
}

int technique_number(const std::optional<cellwright::Technique>& technique) {
    return technique ? static_cast<int>(*technique) : -1;
}

// The first `limit` of `items` at most: what the hint's record has room for.
template <class T>
std::size_t room_for(const std::vector<T>& items, std::size_t limit) {
    return items.size() < limit ? items.size() : limit;
}

// Appends the first `count` (cell, digits) pairs of `cells` to `numbers` from `at`; returns
// where they end.
int put_cells(const std::vector<cellwright::CellDigits>& cells, std::size_t count,
              std::int32_t* numbers, int at) {
    for (std::size_t i = 0; i < count; ++i) {
        numbers[at++] = cells[i].cell;
        numbers[at++] = static_cast<std::int32_t>(cells[i].digits);
    }
    return at;
}

}  // namespace

extern "C" {

// The library's version, NUL-terminated.
const char* cw_version() {
    return cellwright::version();
}

// How many techniques there are, and the key ("x_wing") and name ("X-wing") of technique
// `number` (0..count-1), NUL-terminated.
int cw_technique_count() {
    return TECHNIQUE_COUNT;
}

const char* cw_technique_key(int number) {
    return cellwright::technique_key(static_cast<cellwright::Technique>(number));
}

const char* cw_technique_name(int number) {
    return cellwright::technique_name(static_cast<cellwright::Technique>(number));
}

// The sizes of the records cw_generate_problem and cw_hint write.
int cw_problem_size() {
    return static_cast<int>(sizeof(WebProblem));
}

int cw_hint_size() {
    return static_cast<int>(sizeof(WebHint));
}

// Writes problem `index` of class `difficulty_class` of the run seeded with `seed` (each
// 64-bit number passed as its high and low halves) to `out`: the problem
// `cellwright-tool generate` writes as that number. Returns 1, or 0 and leaves `out` alone
// for a class that cannot be made.
int cw_generate_problem(std::uint32_t seed_high, std::uint32_t seed_low, std::uint32_t index_high,
                        std::uint32_t index_low, int difficulty_class, WebProblem* out) {
    const std::optional<cellwright::Problem> problem = cellwright::generate_problem(
        join(seed_high, seed_low), join(index_high, index_low), difficulty_class);
    if (!problem) {
        return 0;
    }
    const cellwright::LadderCounters& counters = problem->counters;
    const std::int32_t head[10] = {problem->grade,
                                   problem->difficulty_class,
                                   problem->score,
                                   counters.box_single_passes,
                                   counters.locked_candidate_sweeps,
                                   counters.naked_single_scans,
                                   counters.line_single_passes,
                                   counters.naked_pair_sweeps,
                                   counters.naked_triple_sweeps,
                                   technique_number(problem->hardest)};
    std::memcpy(out->numbers, head, sizeof head);
    std::memcpy(out->numbers + 10, problem->steps.data(), sizeof(std::int32_t) * TECHNIQUE_COUNT);
    copy_line(problem->givens, out->givens);
    copy_line(problem->solution, out->solution);
    copy_text(cellwright::format_puzzle(problem->givens, cellwright::PuzzleFormat::problem_line,
                                        problem->grade),
              out->problem_line);
    return 1;
}

// Writes step `later` (0 the next one) of solving `grid` (81 cells, 0 for empty) step by
// step to `out`, or how the grid stands when the solving ends before it; returns where the
// text is. A hint that cannot be acted on without pencil marks (one that only removes
// candidates) is followed by the steps after it this way.
const char* cw_hint(const std::uint8_t* grid, int later, WebHint* out) {
    cellwright::Grid cells;
    std::memcpy(cells.data(), grid, cells.size());
    const cellwright::Explanation solving =
        later == 0 ? cellwright::hint(cells) : cellwright::explain(cells);
    std::int32_t* numbers = out->numbers;
    const bool has_step = later >= 0 && static_cast<std::size_t>(later) < solving.steps.size();
    numbers[0] =
        static_cast<std::int32_t>(has_step ? cellwright::SolveStatus::step : solving.status);
    numbers[1] = -1;
    numbers[2] = -1;
    numbers[3] = 0;
    numbers[4] = numbers[5] = numbers[6] = 0;
    if (!has_step) {
        copy_text(solving.text, out->text);
        return out->text;
    }
    const cellwright::SolvingStep& step = solving.steps[static_cast<std::size_t>(later)];
    copy_text(step.text, out->text);
    numbers[1] = static_cast<std::int32_t>(step.technique);
    numbers[2] = step.placed_cell;
    numbers[3] = step.placed_digit;
    const std::size_t pattern = room_for(step.pattern, 81);
    const std::size_t eliminations = room_for(step.eliminations, 81);
    const std::size_t units = room_for(step.units, 27);
    numbers[4] = static_cast<std::int32_t>(pattern);
    numbers[5] = static_cast<std::int32_t>(eliminations);
    numbers[6] = static_cast<std::int32_t>(units);
    int at = put_cells(step.pattern, pattern, numbers, 7);
    at = put_cells(step.eliminations, eliminations, numbers, at);
    for (std::size_t i = 0; i < units; ++i) {
        numbers[at++] = step.units[i];
    }
    return out->text;
}

}  // extern "C"
