#pragma once
// Whole-board folds of the solution counter, a digit's three band words and their padding
// word in one group of four lanes (see count/lanes.hpp).

#include <array>
#include <cstdint>

#include "count/digit_boards.hpp"
#include "count/lanes.hpp"

namespace cellwright {

// Per band (word 3 is padding): the empty cells with one candidate and those with none.
struct NakedTally {
    std::array<std::uint32_t, 4> singles;
    std::uint32_t dead;  // nonzero when some empty cell has no candidate left
};

// Which empty cells of `boards` have exactly one candidate, and whether any has none.
inline NakedTally tally_naked_cells(const DigitBoards& boards) {
    NakedTally tally{};
    Lanes once = splat(0);
    Lanes twice = splat(0);
    for (int digit = 0; digit < 9; ++digit) {
        const Lanes words = load_lanes(&boards.candidates[4 * digit]);
        twice = twice | (once & words);
        once = once | words;
    }
    const Lanes unsolved = load_lanes(boards.unsolved.data());
    tally.dead = any_bit(and_not(unsolved, once)) ? 1 : 0;
    store_lanes(and_not(unsolved, twice), tally.singles.data());
    return tally;
}

// The digit index of cells with one candidate, one bit of it a plane: bit k of the index of
// the digit a cell has is its bit in plane k (per band, word 3 padding). Cells with more
// candidates read as the OR of their digits' indices, which means nothing.
struct DigitPlanes {
    std::array<std::array<std::uint32_t, 4>, 4> planes;

    int digit_at(int band, int bit) const {
        return static_cast<int>((planes[0][band] >> bit & 1) | (planes[1][band] >> bit & 1) << 1 |
                                (planes[2][band] >> bit & 1) << 2 |
                                (planes[3][band] >> bit & 1) << 3);
    }
};

inline DigitPlanes digit_planes(const DigitBoards& boards) {
    std::array<Lanes, 9> words;
    for (int digit = 0; digit < 9; ++digit) {
        words[digit] = load_lanes(&boards.candidates[4 * digit]);
    }
    DigitPlanes planes;
    store_lanes(words[1] | words[3] | words[5] | words[7], planes.planes[0].data());
    store_lanes(words[2] | words[3] | words[6] | words[7], planes.planes[1].data());
    store_lanes(words[4] | words[5] | words[6] | words[7], planes.planes[2].data());
    store_lanes(words[8], planes.planes[3].data());
    return planes;
}

// The cells of `placed` that hold exactly `value` (a digit mask, or 0 for the empty cells), as
// one 27-bit word per band.
inline std::array<std::uint32_t, 3> cells_holding(const PlacedGrid& placed, DigitMask value) {
    std::uint64_t low = 0;                                                  // cells 0..63
    std::uint64_t high = placed[80] == value ? std::uint64_t{1} << 16 : 0;  // cells 64..80
#if CELLWRIGHT_SSE2
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
