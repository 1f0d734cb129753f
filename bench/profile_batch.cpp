// Runs one batch of 30 problems for a fixed seed and class and prints its problem lines: a
// repeatable workload for profilers, e.g.
//   valgrind --tool=callgrind build/bench/cellwright_profile_batch 1 3
// The output is the problem file the program would write for that seed.

#include <cstdio>
#include <cstdlib>

#include "app/accept_problem.hpp"
#include "app/problem_line.hpp"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: cellwright_profile_batch <seed> <class 1..3>\n");
        return 2;
    }
    const auto seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 0));
    const int difficulty_class = std::atoi(argv[2]);
    if (difficulty_class < 1 || difficulty_class > 3) {
        std::fprintf(stderr, "class must be 1, 2 or 3\n");
        return 2;
    }
    cellwright::RandomState random;
    cellwright::random_seed(random, seed);
    cellwright::TechniqueCounters counters;
    for (int i = 0; i < 30; ++i) {
        cellwright::ProblemRecord record;
        cellwright::accept_next_problem(random, difficulty_class, record, counters);
        const cellwright::ProblemLine line = cellwright::format_problem_line(record);
        std::printf("%.*s\n", static_cast<int>(line.length), line.text.data());
    }
    return 0;
}
