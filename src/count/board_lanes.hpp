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

// The cells of `placed` that hold exactly `value` (a digit mask, or 0 for the empty cells), as
// one 27-bit word per band.
inline std::array<std::uint32_t, 3> cells_holding(const PlacedGrid& placed, DigitMask value) {
    std::uint64_t low = 0;                                                  // cells 0..63
    std::uint64_t high = placed[80] == value ? std::uint64_t{1} << 16 : 0;  // cells 64..80
#ifdef CELLWRIGHT_SSE2_LANES
    // Eight cells a vector; two vectors' lane results pack into one 16-bit movemask.
    const __m128i wanted = _mm_set1_epi16(static_cast<std::int16_t>(value));
    const auto* cells = reinterpret_cast<const __m128i*>(placed.data());
    for (int pair = 0; pair < 5; ++pair) {
        const __m128i first = _mm_cmpeq_epi16(_mm_loadu_si128(cells + 2 * pair), wanted);
        const __m128i second = _mm_cmpeq_epi16(_mm_loadu_si128(cells + 2 * pair + 1), wanted);
        const auto bits = static_cast<std::uint64_t>(
            static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_packs_epi16(first, second))));
        if (pair < 4) {
            low |= bits << (16 * pair);
        } else {
            high |= bits;
        }
    }
#else
    for (int cell = 0; cell < 80; ++cell) {
        const std::uint64_t bit = placed[cell] == value ? 1 : 0;
        if (cell < 64) {
            low |= bit << cell;
        } else {
            high |= bit << (cell - 64);
        }
    }
#endif
    constexpr std::uint64_t BAND = (std::uint64_t{1} << 27) - 1;
    return {static_cast<std::uint32_t>(low & BAND), static_cast<std::uint32_t>(low >> 27 & BAND),
            static_cast<std::uint32_t>((low >> 54 | high << 10) & BAND)};
}

}  // namespace cellwright
