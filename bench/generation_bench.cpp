// Benchmarks of problem generation, from one solution count up to whole batches.
//
// The per-call cases replay the real stream of fillings of the run seeded with 1, so their
// averages are those of a generation run. `fill_givens` = `fill_digits` (spreading, completion
// and the naked-triple sweeps after each digit but the last) + `count_solutions` for the share
// of fillings that get that far (the `counted` figure of BM_FillDigits, which includes the few
// with an empty cell left without candidates, which `fill_givens` answers without counting).
// BM_FillGivens and the attempts and batches run the compile of the filling the processor
// picks (generator/x86_64_v3.hpp); BM_FillDigits and the counts call the first compile.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "app/accept_problem.hpp"
#include "count/count_solutions.hpp"
#include "filling_stream.hpp"
#include "generator/fill_givens.hpp"
#include "generator/make_problem.hpp"

namespace cellwright::bench {
namespace {

constexpr std::uint32_t STREAM_SEED = 1;
constexpr int STREAM_FILLINGS = 20000;
constexpr int CORPUS_GRIDS = 4000;

const std::vector<int>& stream_patterns() {
    static const std::vector<int> patterns =
        record_fillings_per_pattern(STREAM_SEED, STREAM_FILLINGS);
    return patterns;
}

// `count` is called as count(grid, solution) on each grid in turn.
template <typename Grid, typename Count>
void count_over(benchmark::State& state, const std::vector<Grid>& grids, Count count) {
    PlacedGrid solution;
    std::size_t next = 0;
    std::int64_t unique = 0;
    for (auto _ : state) {
        Grid grid = grids[next];
        const std::int32_t result = count(grid, solution);
        benchmark::DoNotOptimize(result);
        unique += result == 1 ? 1 : 0;
        next = next + 1 == grids.size() ? 0 : next + 1;
    }
    state.counters["unique"] =
        benchmark::Counter(static_cast<double>(unique), benchmark::Counter::kAvgIterations);
}

// The grid pairs `fill_givens` counts, as it counts them: mostly 0 or 2+ solutions.
void BM_CountSolutions_Filled(benchmark::State& state) {
    static const std::vector<CountedGrid> grids = record_counted_grids(STREAM_SEED, CORPUS_GRIDS);
    count_over(state, grids, [](CountedGrid& grid, PlacedGrid& solution) {
        return count_solutions(grid.placed, grid.excluded, solution);
    });
}
BENCHMARK(BM_CountSolutions_Filled);

// Finished problems: 24 or 25 givens, exactly one solution.
void BM_CountSolutions_Unique(benchmark::State& state) {
    static const std::vector<PlacedGrid> grids = record_unique_problems(STREAM_SEED, 200);
    count_over(state, grids, [](PlacedGrid& placed, PlacedGrid& solution) {
        return count_solutions(placed, solution);
    });
}
BENCHMARK(BM_CountSolutions_Unique);

void BM_FillGivens(benchmark::State& state) {
    FillingReplay replay(STREAM_SEED, stream_patterns());
    PlacedGrid solution;
    for (auto _ : state) {
        replay.next();
        benchmark::DoNotOptimize(fill_givens(replay.random, replay.list, replay.count, solution));
    }
}
BENCHMARK(BM_FillGivens);

// The same calls without the final count: what the sweeps and placements cost.
void BM_FillDigits(benchmark::State& state) {
    FillingReplay replay(STREAM_SEED, stream_patterns());
    PlacedGrid placed;
    ExclusionGrid excluded;
    std::int64_t counted = 0;
    for (auto _ : state) {
        replay.next();
        const bool filled = fill_digits(replay.random, replay.list, replay.count, placed, excluded,
                                        LastCascade::left_to_count);
        benchmark::DoNotOptimize(placed);
        counted += filled ? 1 : 0;
    }
    state.counters["counted"] =
        benchmark::Counter(static_cast<double>(counted), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_FillDigits);

void BM_MakeProblem(benchmark::State& state) {
    RandomState random;
    random_seed(random, STREAM_SEED);
    DigitGrid givens;
    DigitGrid solution;
    TechniqueCounters counters;
    AttemptTally tally;
    for (auto _ : state) {
        benchmark::DoNotOptimize(make_problem(random, givens, solution, counters, &tally));
    }
    state.counters["fillings"] =
        benchmark::Counter(static_cast<double>(tally.fillings), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MakeProblem);

// One whole batch of 30 problems: args are the class and the seed.
void BM_Batch(benchmark::State& state) {
    const int difficulty_class = static_cast<int>(state.range(0));
    const auto seed = static_cast<std::uint32_t>(state.range(1));
    AttemptTally tally;
    for (auto _ : state) {
        RandomState random;
        random_seed(random, seed);
        TechniqueCounters counters;
        ProblemRecord record;
        for (int i = 0; i < 30; ++i) {
            accept_next_problem(random, difficulty_class, record, counters, &tally);
        }
        benchmark::DoNotOptimize(record);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["problems"] = benchmark::Counter(30.0 * iterations, benchmark::Counter::kIsRate);
    state.counters["fillings/problem"] =
        benchmark::Counter(static_cast<double>(tally.fillings) / (30.0 * iterations));
    state.counters["time/filling"] =
        benchmark::Counter(static_cast<double>(tally.fillings),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Batch)
    ->ArgNames({"class", "seed"})
    ->ArgsProduct({{1, 2, 3}, {1, 2, 3, 4, 5}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cellwright::bench
