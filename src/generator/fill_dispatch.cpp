// Which compile of the filling runs: asked of the processor once, on the first call.

#include "generator/x86_64_v3.hpp"

#include <cstdlib>
#include <string_view>

#if CELLWRIGHT_X86_64_V3
#include <cpuid.h>
#endif

namespace cellwright {

bool runs_x86_64_v3() {
#if CELLWRIGHT_X86_64_V3
    // The instruction sets of the level, by their CPUID bits; the compilers' own feature test
    // cannot name all of them in every version.
    unsigned a = 0;
    unsigned b = 0;
    unsigned c = 0;
    unsigned d = 0;
    const auto all = [](unsigned word, unsigned bits) { return (word & bits) == bits; };
    if (__get_cpuid(1, &a, &b, &c, &d) == 0) {
        return false;
    }
    // SSE3, SSSE3, FMA, CMPXCHG16B, SSE4.1, SSE4.2, MOVBE, POPCNT, XSAVE, OSXSAVE, AVX, F16C.
    constexpr unsigned LEAF1_C = 1u << 0 | 1u << 9 | 1u << 12 | 1u << 13 | 1u << 19 | 1u << 20 |
                                 1u << 22 | 1u << 23 | 1u << 26 | 1u << 27 | 1u << 28 | 1u << 29;
    if (!all(c, LEAF1_C)) {
        return false;
    }
    // The operating system saves the SSE and AVX registers on a task switch.
    unsigned saved_low = 0;
    unsigned saved_high = 0;
    __asm__("xgetbv" : "=a"(saved_low), "=d"(saved_high) : "c"(0));
    if (!all(saved_low, 0x6u)) {
        return false;
    }
    // BMI1, AVX2, BMI2.
    if (__get_cpuid_count(7, 0, &a, &b, &c, &d) == 0 || !all(b, 1u << 3 | 1u << 5 | 1u << 8)) {
        return false;
    }
    // LAHF in 64-bit mode, LZCNT.
    return __get_cpuid(0x80000001u, &a, &b, &c, &d) != 0 && all(c, 1u << 0 | 1u << 5);
#else
    return false;
#endif
}

bool baseline_asked(const char* value) {
    return value != nullptr && std::string_view(value) != "" && std::string_view(value) != "0";
}

bool fill_picks_x86_64_v3() {
    static const bool picked = runs_x86_64_v3() && !baseline_asked(std::getenv(BASELINE_VARIABLE));
    return picked;
}

bool fill_givens(RandomState& random, const GivenCellList& list, int count, PlacedGrid& solution) {
#if CELLWRIGHT_X86_64_V3
    if (fill_picks_x86_64_v3()) {
        return x86_64_v3::fill_and_count(random, list, count, solution);
    }
#endif
    return fill_and_count(random, list, count, solution);
}

}  // namespace cellwright
