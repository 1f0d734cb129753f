// The generator's counter (lowest empty cell first) against the robust counter (fewest
// candidates first, singles filled) on generated problems and on sparser puzzles cut from
// their solutions.

#include <vector>

#include <benchmark/benchmark.h>

#include "count/count_solutions.hpp"
#include "count/count_solutions_robust.hpp"
#include "generator/make_problem.hpp"

namespace cellwright {
namespace {

// Generated problems, or, with `kept` > 0, that many cells of each one's solution.
std::vector<PlacedGrid> sample_puzzles(int kept) {
    RandomState random;
    random_seed(random, 1);
    std::vector<PlacedGrid> puzzles;
    while (puzzles.size() < 32) {
        DigitGrid givens{};
        DigitGrid solution{};
        TechniqueCounters counters;
        if (!make_problem(random, givens, solution, counters)) {
            continue;
        }
        PlacedGrid placed{};
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            placed[cell] = DIGIT_MASKS[kept == 0 ? givens[cell] : 0];
        }
        for (int i = 0; i < kept; ++i) {
            const int cell = random_below(random, CELL_COUNT);
            placed[cell] = DIGIT_MASKS[solution[cell]];
        }
        puzzles.push_back(placed);
    }
    return puzzles;
}

void BM_LowestCellCounter(benchmark::State& state) {
    std::vector<PlacedGrid> puzzles = sample_puzzles(static_cast<int>(state.range(0)));
    PlacedGrid solution{};
    for (auto _ : state) {
        for (PlacedGrid& puzzle : puzzles) {
            benchmark::DoNotOptimize(count_solutions(puzzle, solution));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

void BM_RobustCounter(benchmark::State& state) {
    const std::vector<PlacedGrid> puzzles = sample_puzzles(static_cast<int>(state.range(0)));
    PlacedGrid solution{};
    for (auto _ : state) {
        for (const PlacedGrid& puzzle : puzzles) {
            benchmark::DoNotOptimize(count_solutions_robust(puzzle, solution));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(puzzles.size()));
}

// 0: the generated problems themselves; 30 and 20: random cells of their solutions.
BENCHMARK(BM_LowestCellCounter)->Arg(0)->Arg(30)->Arg(20);
BENCHMARK(BM_RobustCounter)->Arg(0)->Arg(30)->Arg(20);

}  // namespace
}  // namespace cellwright
