#pragma once
// The filling compiled a second time, for x86-64 processors of the x86-64-v3 level (AVX2, BMI1,
// BMI2, POPCNT, LZCNT, MOVBE, FMA, F16C): population counts, bit scans and wider vectors in
// single instructions. `fill_givens` asks once which compile the processor runs. Builds for other
// targets, Windows included, have only the first compile (CELLWRIGHT_X86_64_V3 is 0).
// Setting CELLWRIGHT_BASELINE in the environment (to anything but "" or "0") keeps a process on
// the first compile: the tests run the pinned batches that way as well, and a user can rule the
// second out while looking into a fault.

#include "generator/fill_givens.hpp"

#ifndef CELLWRIGHT_X86_64_V3
#define CELLWRIGHT_X86_64_V3 0
#endif

namespace cellwright {

// True when this build has the second compile and the processor (and its operating system,
// which must save the wide registers) can run it.
bool runs_x86_64_v3();

// The environment variable that keeps the filling on its first compile.
inline constexpr const char* BASELINE_VARIABLE = "CELLWRIGHT_BASELINE";

// Whether a value of BASELINE_VARIABLE (null when it is unset) asks for the first compile.
bool baseline_asked(const char* value);

// Whether `fill_givens` runs the second compile in this process: decided on the first call, from
// the processor and the environment, and kept.
bool fill_picks_x86_64_v3();

#if CELLWRIGHT_X86_64_V3
namespace x86_64_v3 {

// `fill_and_count` from the second compile: the same results, the same draws. Call it only
// where `runs_x86_64_v3()` is true.
bool fill_and_count(RandomState& random, const GivenCellList& list, int count,
                    PlacedGrid& solution);

}  // namespace x86_64_v3
#endif

}  // namespace cellwright
