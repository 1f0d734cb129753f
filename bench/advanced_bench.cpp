// Benchmarks of the step-by-step solver: rating puzzles, and making problems of classes 3, 4
// and 5 from per-problem streams, one thread, as `generate` makes them. The rating runs only
// on the attempts a class 4 or 5 run keeps in question, so it should stay a small part of
// the time per problem.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "advanced/advanced_problem.hpp"
#include "app/accept_problem.hpp"
#include "random/random_stream.hpp"
#include "solver/ladder.hpp"

namespace cellwright::bench {
namespace {

constexpr std::uint64_t STREAM_SEED = 1;

// The puzzles of the first `attempts` attempts of one stream; with `stalled`, only those
// the technique ladder does not finish (the ones a class 5 run rates).
std::vector<DigitGrid> attempt_puzzles(int attempts, bool stalled) {
    std::vector<DigitGrid> puzzles;
    RandomState random;
    random_seed_stream(random, STREAM_SEED, 0);
    for (int i = 0; i < attempts; ++i) {
        DigitGrid givens;
        if (!fill_problem(random, givens)) {
            continue;
        }
        PlacedGrid placed;
        ExclusionGrid excluded;
        TechniqueCounters counters;
        load_givens(givens, placed, excluded, counters);
        if (!stalled || !run_technique_ladder(placed, excluded, counters)) {
            puzzles.push_back(givens);
        }
    }
    return puzzles;
}

void rate_each(benchmark::State& state, const std::vector<DigitGrid>& puzzles) {
    std::size_t next = 0;
    std::int64_t rated[6] = {};
    for (auto _ : state) {
        const PuzzleRating rating = rate_puzzle(puzzles[next]);
        ++rated[rating.difficulty_class];
        next = next + 1 == puzzles.size() ? 0 : next + 1;
    }
    for (int c = 0; c <= 5; ++c) {
        state.counters["class " + std::to_string(c)] =
            benchmark::Counter(static_cast<double>(rated[c]), benchmark::Counter::kAvgIterations);
    }
}

void BM_RatePuzzle_AnyAttempt(benchmark::State& state) {
    static const std::vector<DigitGrid> puzzles = attempt_puzzles(2000, false);
    rate_each(state, puzzles);
}
BENCHMARK(BM_RatePuzzle_AnyAttempt)->Unit(benchmark::kMicrosecond);

void BM_RatePuzzle_LadderStalled(benchmark::State& state) {
    static const std::vector<DigitGrid> puzzles = attempt_puzzles(3000, true);
    rate_each(state, puzzles);
}
BENCHMARK(BM_RatePuzzle_LadderStalled)->Unit(benchmark::kMicrosecond);

// Problems 0, 1, 2, ... of one class, each from its own stream: arg = the class.
void BM_GenerateClass(benchmark::State& state) {
    const int difficulty_class = static_cast<int>(state.range(0));
    std::uint64_t index = 0;
    AttemptTally tally;
    for (auto _ : state) {
        RandomState random;
        random_seed_stream(random, STREAM_SEED, index++);
        ProblemRecord record;
        if (difficulty_class <= 3) {
            TechniqueCounters counters;
            accept_next_problem(random, difficulty_class, record, counters, &tally);
        } else {
            PuzzleRating rating;
            accept_next_advanced_problem(random, difficulty_class, record, rating, &tally);
        }
        benchmark::DoNotOptimize(record);
    }
    state.counters["problems"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["attempts/problem"] = benchmark::Counter(
        static_cast<double>(tally.attempts) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_GenerateClass)
    ->ArgName("class")
    ->DenseRange(3, 5)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(5.0);

}  // namespace
}  // namespace cellwright::bench
