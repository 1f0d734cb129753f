#pragma once
// Band and box geometry in the bit forms the engine's whole-grid looks use, written down once.
//
// Band words. A set of the 81 cells is three 27-bit words, one per band of three rows; cell
// (row, column) is bit 9 * (row % 3) + column of word row / 3, so cell = 27 * band + bit:
//
//     bit:   26 ........... 18 | 17 ............ 9 | 8 ............. 0
//            row 3b+2, col 8..0 | row 3b+1, col 8..0 | row 3b, col 8..0
//
//     BAND_ROW     = 0x1FF      row 3b (shift by 9 or 18 for the others)
//     BAND_COLUMN  = 0x40201    column 0 in each of the three rows (shift by c for column c)
//     BAND_BOX     = 0x1C0E07   the first box of the band (shift by 3 or 6 for the others)
//
// A row or a box lies inside one band word; a column takes one bit from each row of every band.
// The solution counter keeps one such set per digit (its candidates), the naked-subset sweeps
// keep the cells they list.
//
// Boxes are numbered 0..8 row by row. A band is a row of boxes (0-2, 3-5, 6-8), a stack a
// column of boxes (0, 3, 6; 1, 4, 7; 2, 5, 8).

#include <array>
#include <cstdint>

namespace cellwright {

using BandWords = std::array<std::uint32_t, 3>;

inline constexpr std::uint32_t BAND_ROW = 0x1FF;
inline constexpr std::uint32_t BAND_COLUMN = 1u | 1u << 9 | 1u << 18;
inline constexpr std::uint32_t BAND_BOX = 7u * BAND_COLUMN;
// Columns 0, 3 and 6 of a 9-bit row: the first column of each stack.
inline constexpr std::uint32_t STACK_FIRST_COLUMNS = 1u | 1u << 3 | 1u << 6;

static_assert(BAND_COLUMN == 0x40201 && BAND_BOX == 0x1C0E07);

// A set of the 81 cells in cell order: cells 0..63 in the first word, 64..80 in the second.
using CellBits = std::array<std::uint64_t, 2>;

// The cells of bits 0..63 of `low` and 64..80 of `high` (cell i at bit i), as band words.
constexpr BandWords band_words(std::uint64_t low, std::uint64_t high) {
    constexpr std::uint64_t BAND = (std::uint64_t{1} << 27) - 1;
    return {static_cast<std::uint32_t>(low & BAND), static_cast<std::uint32_t>(low >> 27 & BAND),
            static_cast<std::uint32_t>((low >> 54 | high << 10) & BAND)};
}

constexpr int band_of_box(int box) {
    return box / 3;
}
constexpr int stack_of_box(int box) {
    return box % 3;
}

// The other two boxes of a box's band and of its stack, each pair in ascending order (the
// order makes no difference to locked candidates).
struct BoxPartners {
    int band_a, band_b, stack_a, stack_b;
};

inline constexpr std::array<BoxPartners, 9> BOX_PARTNERS = [] {
    std::array<BoxPartners, 9> partners{};
    for (int box = 0; box < 9; ++box) {
        std::array<int, 2> band{};
        std::array<int, 2> stack{};
        int in_band = 0;
        int in_stack = 0;
        for (int other = 0; other < 9; ++other) {
            if (other != box && band_of_box(other) == band_of_box(box)) {
                band[in_band++] = other;
            }
            if (other != box && stack_of_box(other) == stack_of_box(box)) {
                stack[in_stack++] = other;
            }
        }
        partners[box] = {band[0], band[1], stack[0], stack[1]};
    }
    return partners;
}();

static_assert(BOX_PARTNERS[0].band_a == 1 && BOX_PARTNERS[0].band_b == 2 &&
              BOX_PARTNERS[0].stack_a == 3 && BOX_PARTNERS[0].stack_b == 6);
static_assert(BOX_PARTNERS[5].band_a == 3 && BOX_PARTNERS[5].band_b == 4 &&
              BOX_PARTNERS[5].stack_a == 2 && BOX_PARTNERS[5].stack_b == 8);

// The boxes a placement in box b writes to: those of its band (the placement's row) and of its
// stack (its column), b included, as bit sets.
inline constexpr std::array<unsigned, 9> BOXES_REACHED = [] {
    std::array<unsigned, 9> reached{};
    for (int box = 0; box < 9; ++box) {
        const BoxPartners& p = BOX_PARTNERS[box];
        reached[box] =
            1u << box | 1u << p.band_a | 1u << p.band_b | 1u << p.stack_a | 1u << p.stack_b;
    }
    return reached;
}();

}  // namespace cellwright
