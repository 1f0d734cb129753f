#pragma once
// The grid model: cell numbering, digit masks, the placed/excluded grid pair that every
// technique works on, the plain digit grid problems are stored in, and the unit tables.
//
//   cell = row * 9 + column          box = (row / 3) * 3 + column / 3
//   a unit (row, column or box) = its first cell + one of the offset tables below
//
// Invariants of a grid pair (`is_sound` checks the first four): every word lies within
// ALL_DIGITS; placed[cell] is 0 or one bit; a filled cell has excluded == ALL_DIGITS; an empty
// cell has the digits of all its filled peers excluded; and bits of `excluded` are only ever
// set while a pair is worked on. A pair may still be contradictory (an empty cell with no
// candidate, a digit twice in a unit from clashing givens): that is for the callers to judge.

#include <array>
#include <bit>
#include <cstdint>

#include "grid/technique_counters.hpp"

namespace cellwright {

// Bit d-1 stands for digit d; bits 9..15 are always clear.
using DigitMask = std::uint16_t;
inline constexpr DigitMask ALL_DIGITS = 0x1FF;
inline constexpr int CELL_COUNT = 81;

using PlacedGrid = std::array<DigitMask, CELL_COUNT>;     // 0 or the mask of the placed digit
using ExclusionGrid = std::array<DigitMask, CELL_COUNT>;  // set bit: digit ruled out
using DigitGrid = std::array<std::uint8_t, CELL_COUNT>;   // 0 for empty, else 1..9
using UnitOffsets = std::array<std::uint16_t, 9>;
using UnitMasks = std::array<DigitMask, 9>;  // one mask per row, column or box, index 0..8

inline constexpr UnitOffsets ROW_OFFSETS{0, 1, 2, 3, 4, 5, 6, 7, 8};
inline constexpr UnitOffsets COLUMN_OFFSETS{0, 9, 18, 27, 36, 45, 54, 63, 72};
inline constexpr UnitOffsets BOX_OFFSETS{0, 1, 2, 9, 10, 11, 18, 19, 20};
inline constexpr std::array<std::uint16_t, 9> BOX_ORIGINS{0, 3, 6, 27, 30, 33, 54, 57, 60};
inline constexpr std::array<DigitMask, 10> DIGIT_MASKS{0, 1, 2, 4, 8, 16, 32, 64, 128, 256};

constexpr int row_of(int cell) {
    return cell / 9;
}
constexpr int column_of(int cell) {
    return cell % 9;
}
constexpr int box_of(int cell) {
    return (cell / 27) * 3 + (cell % 9) / 3;
}

// The first cells of a cell's row, column and box, looked up instead of divided out.
struct CellUnits {
    std::uint8_t row_first;
    std::uint8_t column_first;
    std::uint8_t box_first;
};

inline constexpr std::array<CellUnits, CELL_COUNT> CELL_UNITS = [] {
    std::array<CellUnits, CELL_COUNT> units{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        units[cell] = {static_cast<std::uint8_t>(9 * row_of(cell)),
                       static_cast<std::uint8_t>(column_of(cell)),
                       static_cast<std::uint8_t>(BOX_ORIGINS[box_of(cell)])};
    }
    return units;
}();

// The digits an empty cell may still take; a filled cell has none.
constexpr DigitMask candidates_of(DigitMask excluded_word) {
    return static_cast<DigitMask>(ALL_DIGITS & ~excluded_word);
}

// Number of set bits of each 9-bit mask. A table, not std::popcount: the baseline x86-64
// target has no population-count instruction, and the library fallback is a call per mask.
inline constexpr std::array<std::uint8_t, 512> DIGIT_COUNTS = [] {
    std::array<std::uint8_t, 512> counts{};
    for (unsigned mask = 0; mask < 512; ++mask) {
        counts[mask] = static_cast<std::uint8_t>(std::popcount(mask));
    }
    return counts;
}();

// How many digits a mask holds (0..9).
constexpr int digit_count(DigitMask mask) {
    return DIGIT_COUNTS[mask & ALL_DIGITS];
}

// The digit 1..9 of a one-bit mask, 0 for an empty mask.
constexpr int digit_of(DigitMask mask) {
    return mask == 0 ? 0 : std::countr_zero(static_cast<unsigned>(mask)) + 1;
}

// Puts the digit of `digit_bit` into `cell` and rules it out for the cell's 20 peers. Checks
// nothing: whether the placement is allowed is the caller's business.
inline void place_digit(PlacedGrid& placed, ExclusionGrid& excluded, int cell,
                        DigitMask digit_bit) {
    // Each unit through a pointer to its first word: the unrolled loop then writes each peer
    // at a constant distance from it, one instruction each, where indices into the array cost
    // an address computation per peer.
    const CellUnits& units = CELL_UNITS[cell];
    DigitMask* const row_first = excluded.data() + units.row_first;
    DigitMask* const column_first = excluded.data() + units.column_first;
    DigitMask* const box_first = excluded.data() + units.box_first;
    placed[cell] = digit_bit;
    excluded[cell] = ALL_DIGITS;
    for (int k = 0; k < 9; ++k) {
        row_first[ROW_OFFSETS[k]] |= digit_bit;
        column_first[COLUMN_OFFSETS[k]] |= digit_bit;
        box_first[BOX_OFFSETS[k]] |= digit_bit;
    }
}

// Builds a fresh grid pair from a problem (same result as placing every given on an empty
// board) and zeroes the counters of the solving run that follows. Clashing givens are loaded
// as they are.
void load_givens(const DigitGrid& givens, PlacedGrid& placed, ExclusionGrid& excluded,
                 TechniqueCounters& counters);

// Writes the digit of every cell (0 where empty) into `destination`; does nothing when it
// is null.
void digits_from_masks(const PlacedGrid& placed, DigitGrid* destination);

// True when the pair keeps the invariants above (all but the last, which needs its history).
bool is_sound(const PlacedGrid& placed, const ExclusionGrid& excluded);

// True while some cell of the grid holds no digit.
bool has_empty_cell(const PlacedGrid& placed);

}  // namespace cellwright
