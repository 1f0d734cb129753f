#pragma once
// Whole-board folds of the solution counter done four band words at a time: a digit's three
// band words and their padding word are one 128-bit lane group. SSE2 is part of every x86-64
// processor, so this needs no dispatch; other targets (or a build defining
// CELLWRIGHT_PLAIN_LANES, which the tests use to check the fallback) get the same results from
// plain words.

#include <array>
#include <cstdint>

#include "count/digit_boards.hpp"

#if (defined(__SSE2__) || defined(_M_X64)) && !defined(CELLWRIGHT_PLAIN_LANES)
#define CELLWRIGHT_SSE2_LANES 1
#include <emmintrin.h>
#endif

namespace cellwright {

// Per band (word 3 is padding): the empty cells with one candidate and those with none.
struct NakedTally {
    std::array<std::uint32_t, 4> singles;
    std::uint32_t dead;  // nonzero when some empty cell has no candidate left
};

// Which empty cells of `boards` have exactly one candidate, and whether any has none.
inline NakedTally tally_naked_cells(const DigitBoards& boards) {
    NakedTally tally{};
#ifdef CELLWRIGHT_SSE2_LANES
    __m128i once = _mm_setzero_si128();
    __m128i twice = _mm_setzero_si128();
    for (int digit = 0; digit < 9; ++digit) {
        const __m128i words =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(&boards.candidates[4 * digit]));
        twice = _mm_or_si128(twice, _mm_and_si128(once, words));
        once = _mm_or_si128(once, words);
    }
    const __m128i unsolved = _mm_loadu_si128(reinterpret_cast<const __m128i*>(&boards.unsolved));
    const __m128i dead = _mm_andnot_si128(once, unsolved);
    tally.dead = static_cast<std::uint32_t>(
        _mm_movemask_epi8(_mm_cmpeq_epi32(dead, _mm_setzero_si128())) ^ 0xFFFF);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(&tally.singles), _mm_andnot_si128(twice, unsolved));
#else
    std::array<std::uint32_t, 4> once{};
    std::array<std::uint32_t, 4> twice{};
    for (int digit = 0; digit < 9; ++digit) {
        for (int band = 0; band < 4; ++band) {
            const std::uint32_t word = boards.candidates[4 * digit + band];
            twice[band] |= once[band] & word;
            once[band] |= word;
        }
    }
    for (int band = 0; band < 4; ++band) {
        tally.dead |= boards.unsolved[band] & ~once[band];
        tally.singles[band] = boards.unsolved[band] & ~twice[band];
    }
#endif
    return tally;
}

}  // namespace cellwright
