// `generate` on 1 and 2 threads: wall-clock problems per second of class 3, the hardest to
// find. On a machine with two free cores, 2 jobs should come close to twice the rate of 1.

#include <cstdint>

#include <benchmark/benchmark.h>
#include <cellwright/cellwright.hpp>

namespace cellwright {
namespace {

void BM_GenerateClass3(benchmark::State& state) {
    const auto jobs = static_cast<unsigned>(state.range(0));
    // The same 24 problems every time, so that both job counts do the same work.
    constexpr std::uint64_t PROBLEMS = 24;
    for (auto _ : state) {
        generate_problems(1, 0, PROBLEMS, 3, jobs, [](std::uint64_t, const Problem& problem) {
            benchmark::DoNotOptimize(problem.grade);
            return true;
        });
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(PROBLEMS));
}

BENCHMARK(BM_GenerateClass3)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cellwright
