#pragma once
// Whole-board folds of the solution counter, a digit's three band words and their padding
// word in one group of four lanes (see grid/lanes.hpp).

#include <array>
#include <bit>
#include <cstdint>

#include "count/digit_boards.hpp"
#include "grid/bits.hpp"
#include "grid/geometry.hpp"
#include "grid/lanes.hpp"

namespace cellwright {

// Per band (word 3 is padding): the empty cells with one candidate and those with none.
struct NakedTally {
    std::array<std::uint32_t, 4> singles;
    std::uint32_t dead;          // nonzero when some empty cell has no candidate left
    std::uint32_t single_bands;  // bit b set when band b has a single
};

// Which empty cells of `boards` have exactly one candidate, and whether any has none.
inline NakedTally tally_naked_cells(const DigitBoards& boards) {
    NakedTally tally{};
    Tally<Lanes> candidates{splat(0), splat(0)};
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        candidates = tally_add(candidates, load_lanes(&boards.candidates[4 * digit_index]));
    }
    const Lanes unsolved = load_lanes(boards.unsolved.data());
    tally.dead = any_bit(and_not(unsolved, candidates.once)) ? 1 : 0;
    const Lanes singles = and_not(unsolved, candidates.twice);
    tally.single_bands = nonzero_lanes(singles);
    store_lanes(singles, tally.singles.data());
    return tally;
}

// The digit index of cells with one candidate, one bit of it a plane: bit k of the index of
// the digit a cell has is its bit in plane k (per band, word 3 padding). Cells with more
// candidates read as the OR of their digits' indices, which means nothing.
struct DigitPlanes {
    std::array<std::array<std::uint32_t, 4>, 4> planes;

    int digit_index_at(int band, int bit) const {
        return static_cast<int>((planes[0][band] >> bit & 1) | (planes[1][band] >> bit & 1) << 1 |
                                (planes[2][band] >> bit & 1) << 2 |
                                (planes[3][band] >> bit & 1) << 3);
    }
};

inline DigitPlanes digit_planes(const DigitBoards& boards) {
    std::array<Lanes, 9> words;
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        words[digit_index] = load_lanes(&boards.candidates[4 * digit_index]);
    }
    DigitPlanes planes;
    store_lanes(words[1] | words[3] | words[5] | words[7], planes.planes[0].data());
    store_lanes(words[2] | words[3] | words[6] | words[7], planes.planes[1].data());
    store_lanes(words[4] | words[5] | words[6] | words[7], planes.planes[2].data());
    store_lanes(words[8], planes.planes[3].data());
    return planes;
}

// Writes the filled cells of `placed` into the words of their digits and the empty ones into
// `unsolved`, on a board whose words are all 0.
inline void sort_placed_cells(const PlacedGrid& placed, DigitBoards& boards) {
#if CELLWRIGHT_SSE2
    // A placed mask has one of nine bits. Packed to bytes with unsigned saturation, digits 1..8
    // keep their bit and digit 9 (bit 8) becomes 0xFF, so cells 0..79 fit five vectors, one
    // movemask each per digit. Cell 80 is read on its own.
    const auto* cells = reinterpret_cast<const __m128i*>(placed.data());
    __m128i bytes[5];  // NOLINT: a std::array would drop the vector type's attributes
    std::array<std::uint64_t, 5> nines{};
    std::array<std::uint64_t, 5> empties{};
    for (int part = 0; part < 5; ++part) {
        bytes[part] = _mm_packus_epi16(_mm_loadu_si128(cells + 2 * part),
                                       _mm_loadu_si128(cells + 2 * part + 1));
        const __m128i nine = _mm_cmpeq_epi8(bytes[part], _mm_set1_epi8(-1));
        nines[part] = static_cast<std::uint32_t>(_mm_movemask_epi8(nine));
        empties[part] = static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(bytes[part], _mm_setzero_si128())));
        bytes[part] = _mm_andnot_si128(nine, bytes[part]);  // now one bit per filled cell
    }
    auto put = [](const std::array<std::uint64_t, 5>& parts, std::uint32_t* words) {
        const BandWords bands =
            band_words(parts[0] | parts[1] << 16 | parts[2] << 32 | parts[3] << 48, parts[4]);
        for (int band = 0; band < 3; ++band) {
            words[band] = bands[band];
        }
    };
    put(nines, &boards.candidates[4 * 8]);
    put(empties, boards.unsolved.data());
    // Digits 8 down to 1: the digit's bit is each byte's top bit, then doubling moves the
    // next lower one there (a byte-wise add carries nothing into its neighbour).
    for (int digit_index = 7; digit_index >= 0; --digit_index) {
        std::array<std::uint64_t, 5> parts;
        for (int part = 0; part < 5; ++part) {
            parts[part] = static_cast<std::uint32_t>(_mm_movemask_epi8(bytes[part]));
            bytes[part] = _mm_add_epi8(bytes[part], bytes[part]);
        }
        put(parts, &boards.candidates[4 * digit_index]);
    }
    const DigitMask last = placed[80];
    if (last == 0) {
        boards.unsolved[2] |= 1u << 26;
    } else {
        boards.candidates[4 * std::countr_zero(last) + 2] |= 1u << 26;
    }
#else
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const std::uint32_t bit = 1u << (cell % 27);
        if (placed[cell] == 0) {
            boards.unsolved[cell / 27] |= bit;
        } else {
            boards.candidates[4 * std::countr_zero(placed[cell]) + cell / 27] |= bit;
        }
    }
#endif
}

// Gives every empty cell of a board from `filled_cells_of` the digits its word of `excluded`
// leaves open. Those are at most the digits its row, column and box lack, as the grid pair
// excludes every filled peer's digit from an empty cell.
inline void open_unexcluded_cells(const ExclusionGrid& excluded, DigitBoards& boards) {
#if CELLWRIGHT_SSE2
    // Bits 0..7 of each cell's word packed to a byte (the digit's bit is each byte's top bit
    // after doubling, as in `sort_placed_cells`), bit 8 to the top bit of a second byte.
    const auto* cells = reinterpret_cast<const __m128i*>(excluded.data());
    const __m128i low_byte = _mm_set1_epi16(0xFF);
    __m128i low[5];    // NOLINT: a std::array would drop the vector type's attributes
    __m128i nines[5];  // NOLINT
    for (int part = 0; part < 5; ++part) {
        const __m128i first = _mm_loadu_si128(cells + 2 * part);
        const __m128i second = _mm_loadu_si128(cells + 2 * part + 1);
        low[part] =
            _mm_packus_epi16(_mm_and_si128(first, low_byte), _mm_and_si128(second, low_byte));
        // Each byte 0 or 1, so the 16-bit shift moves every byte's bit to its own top.
        nines[part] = _mm_slli_epi16(
            _mm_packus_epi16(_mm_srli_epi16(first, 8), _mm_srli_epi16(second, 8)), 7);
    }
    const DigitMask last = excluded[80];
    auto open = [&](const std::array<std::uint64_t, 5>& parts, int digit_index) {
        const std::uint64_t high = parts[4] | std::uint64_t{(last >> digit_index & 1u) != 0} << 16;
        const BandWords closed =
            band_words(parts[0] | parts[1] << 16 | parts[2] << 32 | parts[3] << 48, high);
        for (int band = 0; band < 3; ++band) {
            boards.candidates[4 * digit_index + band] |= boards.unsolved[band] & ~closed[band];
        }
    };
    std::array<std::uint64_t, 5> parts;
    for (int part = 0; part < 5; ++part) {
        parts[part] = static_cast<std::uint32_t>(_mm_movemask_epi8(nines[part]));
    }
    open(parts, 8);
    for (int digit_index = 7; digit_index >= 0; --digit_index) {
        for (int part = 0; part < 5; ++part) {
            parts[part] = static_cast<std::uint32_t>(_mm_movemask_epi8(low[part]));
            low[part] = _mm_add_epi8(low[part], low[part]);
        }
        open(parts, digit_index);
    }
#else
    for (int band = 0; band < 3; ++band) {
        for_each_bit(boards.unsolved[band], [&](int bit) {
            const unsigned open = candidates_of(excluded[27 * band + bit]);
            for_each_bit(open, [&](int digit_index) {
                boards.candidates[4 * digit_index + band] |= 1u << bit;
            });
        });
    }
#endif
}

// Writes the digit mask of every cell of a complete board (each cell one digit) into
// `solution`.
inline void write_cell_masks(const DigitBoards& boards, PlacedGrid& solution) {
#if CELLWRIGHT_SSE2
    // A cell's mask is 1 << its digit index. Eight cells a vector, each bit plane of the index
    // becomes a factor of 2, 4, 16 or 256 (1 where the bit is clear); their product is the mask.
    const DigitPlanes digits = digit_planes(boards);
    __m128i planes[4];  // NOLINT: a std::array would drop the vector type's attributes
    for (int k = 0; k < 4; ++k) {
        const std::array<std::uint32_t, 4>& words = digits.planes[k];
        const std::uint64_t low = words[0] | std::uint64_t{words[1]} << 27 |
                                  std::uint64_t{words[2]} << 54;  // cells 0..63
        const std::uint64_t high = words[2] >> 10;                // cells 64..80
        planes[k] = _mm_set_epi64x(static_cast<long long>(high), static_cast<long long>(low));
    }
    // Word g: byte g of two planes, the cells 8g..8g+7 of each.
    alignas(16) std::array<std::uint16_t, 16> first_two;
    alignas(16) std::array<std::uint16_t, 16> last_two;
    auto* first = reinterpret_cast<__m128i*>(first_two.data());
    auto* last = reinterpret_cast<__m128i*>(last_two.data());
    _mm_store_si128(first, _mm_unpacklo_epi8(planes[0], planes[1]));
    _mm_store_si128(first + 1, _mm_unpackhi_epi8(planes[0], planes[1]));
    _mm_store_si128(last, _mm_unpacklo_epi8(planes[2], planes[3]));
    _mm_store_si128(last + 1, _mm_unpackhi_epi8(planes[2], planes[3]));
    const __m128i low_bits = _mm_setr_epi16(1, 2, 4, 8, 16, 32, 64, 128);
    const __m128i high_bits = _mm_slli_epi16(low_bits, 8);
    const __m128i one = _mm_set1_epi16(1);
    // 1 + (flag & (factor - 1)): the factor where the plane has the cell, else 1.
    auto factor = [&](__m128i pair, __m128i bits, short less_one) {
        const __m128i flag = _mm_cmpeq_epi16(_mm_and_si128(pair, bits), bits);
        return _mm_add_epi16(one, _mm_and_si128(flag, _mm_set1_epi16(less_one)));
    };
    auto* cells = reinterpret_cast<__m128i*>(solution.data());
    for (int group = 0; group < 10; ++group) {
        const __m128i low = _mm_set1_epi16(static_cast<short>(first_two[group]));
        const __m128i high = _mm_set1_epi16(static_cast<short>(last_two[group]));
        const __m128i mask = _mm_mullo_epi16(
            _mm_mullo_epi16(factor(low, low_bits, 1), factor(low, high_bits, 3)),
            _mm_mullo_epi16(factor(high, low_bits, 15), factor(high, high_bits, 255)));
        _mm_storeu_si128(cells + group, mask);
    }
    solution[80] = DIGIT_MASKS[digits.digit_index_at(2, 26) + 1];
#else
    for (int digit_index = 0; digit_index < 9; ++digit_index) {
        for (int band = 0; band < 3; ++band) {
            for_each_bit(boards.candidates[4 * digit_index + band], [&](int bit) {
                solution[27 * band + bit] = DIGIT_MASKS[digit_index + 1];
            });
        }
    }
#endif
}

}  // namespace cellwright
