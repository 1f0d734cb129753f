// The second compile of the filling (generator/x86_64_v3.hpp): the build compiles this file
// alone with -march=x86-64-v3. It takes the engine's own source files, unchanged, so the two
// compiles cannot drift apart.
//
// They are included inside an unnamed namespace: every function of this compile, inline ones
// and templates included, then has a name no other object file shares, so the linker can never
// hand a caller of the first compile one of these copies (which would stop a processor without
// AVX2 with an illegal instruction). The build checks that this object defines no other name
// (cmake/check_local_symbols.cmake). The standard headers come first, outside that namespace,
// and so do the random source and the technique counters, which both compiles share.

#include <algorithm>
#include <array>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "grid/sse2.hpp"
#include "grid/technique_counters.hpp"
#include "random/random.hpp"

// The engine's files, compiled whole; what the filling does not reach is dropped.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"

namespace {
namespace cellwright {
using ::cellwright::random_below;
using ::cellwright::random_next;
using ::cellwright::RandomState;
using ::cellwright::TechniqueCounters;
}  // namespace cellwright

#include "count/count_solutions.cpp"
#include "count/digit_boards.cpp"
#include "generator/fill_givens.cpp"
#include "grid/grid.cpp"
#include "solver/locked_candidates.cpp"
#include "solver/naked_subsets.cpp"
#include "solver/pointing_scan.cpp"
#include "solver/singles.cpp"
#include "solver/unit_scans.cpp"

bool fill_and_count_here(::cellwright::RandomState& random, const cellwright::GivenCellList& list,
                         int count, cellwright::PlacedGrid& solution) {
    return cellwright::fill_and_count(random, list, count, solution);
}

}  // namespace

#pragma GCC diagnostic pop

// The entry point, declared in generator/x86_64_v3.hpp. That header cannot be included here, as
// the grid's names it uses now live in the copy above; the grids are spelled out instead (a
// mismatch would fail to link).
namespace cellwright::x86_64_v3 {

bool fill_and_count(RandomState& random, const std::array<std::uint8_t, 81>& list, int count,
                    std::array<std::uint16_t, 81>& solution) {
    return fill_and_count_here(random, list, count, solution);
}

}  // namespace cellwright::x86_64_v3
