// The calls the page's Web Worker makes into the engine, compiled to WebAssembly: plain C
// functions over numbers and byte buffers in the module's memory, so the JavaScript side
// needs no binding library. The worker (site/worker.js) reads the records by the offsets
// written here; keep the two in step.

#include <cellwright/cellwright.hpp>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// One generated problem as the worker reads it: nine 32-bit numbers, then the two grids as
// 81 characters each ("." for an empty cell), then the problem line's text, NUL-terminated.
struct WebProblem {
    std::int32_t grade;
    std::int32_t difficulty_class;
    std::int32_t score;
    std::int32_t counters[6];  // the ladder counters, in the order of LadderCounters
    char givens[81];
    char solution[81];
    char problem_line[96];
};
static_assert(offsetof(WebProblem, givens) == 36);
static_assert(offsetof(WebProblem, solution) == 117);
static_assert(offsetof(WebProblem, problem_line) == 198);
static_assert(sizeof(WebProblem) <= 296);

void copy_line(const cellwright::Grid& grid, char (&out)[81]) {
    const std::string line = cellwright::format_puzzle(grid, cellwright::PuzzleFormat::line);
    std::memcpy(out, line.data(), sizeof out);
}

std::uint64_t join(std::uint32_t high, std::uint32_t low) {
    return std::uint64_t{high} << 32 | low;
}

}  // namespace

extern "C" {

// The library's version, NUL-terminated.
const char* cw_version() {
    return cellwright::version();
}

// The size of the record cw_generate_problem writes.
int cw_problem_size() {
    return static_cast<int>(sizeof(WebProblem));
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
    out->grade = problem->grade;
    out->difficulty_class = problem->difficulty_class;
    out->score = problem->score;
    const cellwright::LadderCounters& counters = problem->counters;
    const std::int32_t values[6] = {counters.box_single_passes,  counters.locked_candidate_sweeps,
                                    counters.naked_single_scans, counters.line_single_passes,
                                    counters.naked_pair_sweeps,  counters.naked_triple_sweeps};
    std::memcpy(out->counters, values, sizeof values);
    copy_line(problem->givens, out->givens);
    copy_line(problem->solution, out->solution);
    const std::string line = cellwright::format_puzzle(
        problem->givens, cellwright::PuzzleFormat::problem_line, problem->grade);
    std::memset(out->problem_line, 0, sizeof out->problem_line);
    std::memcpy(out->problem_line, line.data(), line.size() < 95 ? line.size() : 95);
    return 1;
}

}  // extern "C"
