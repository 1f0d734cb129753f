#pragma once
// Where a naked-subset sweep finds each of the 27 units: its cells in the grid (first cell and
// offset table) and its cells in the band words the sweep lists cells in (grid/geometry.hpp),
// gathered by the same steps for a row, a column and a box.

#include <array>
#include <bit>
#include <cstdint>

#include "grid/geometry.hpp"
#include "grid/grid.hpp"
#include "grid/sse2.hpp"

namespace cellwright {
// Private to naked_subsets.cpp; see there.
namespace {

// Where a sweep finds a unit: its cells in the grid, and its cells in the band words. Each
// band word, shifted down by `shift` and masked, keeps the unit's cells in it, and multiplying
// by `multiplier` and shifting down by `down` puts them in the order of the offset table;
// `outs` keeps those bits alone. A row or a box lies in one band word (the others' masks are
// 0); a column takes one bit triple from each. The same steps for every kind of unit: which
// kind comes next depends on which units are due, so a branch on it could not be predicted.
//
//   row:    its nine bits, times 1 << 12, down by 12.
//   box:    groups at 0, 9, 18 times (1 << 12 | 1 << 6 | 1) land at 12, 15, 18; the other six
//           copies land at 0, 6, 9, 21, 24 and 30, apart from them and from each other, so
//           nothing carries into bits 12-20; down by 12.
//   column: rows 3b, 3b + 1, 3b + 2 at bits 0, 9, 18 times 0x20202000 gain copies shifted up
//           by 29, 21 and 13, which puts the three at bits 29, 30, 31, every other copy on a
//           bit of its own below them; down by 29 - 3b puts them at 3b.
struct SweepUnit {
    const UnitOffsets* offsets;
    std::uint8_t first_cell;
    std::uint8_t shift;
    std::array<std::uint8_t, 3> down;
    std::uint32_t multiplier;
    std::array<std::uint32_t, 3> masks;
    std::array<std::uint16_t, 3> outs;
};

constexpr std::uint32_t COLUMN_GATHER = 0x20202000u;

// The 27 units in the order of a sweep: row u, column u, box u for u = 0..8.
constexpr std::array<SweepUnit, 27> SWEEP_UNITS = [] {
    std::array<SweepUnit, 27> units{};
    for (int u = 0; u < 9; ++u) {
        const int band = u / 3;
        SweepUnit row{&ROW_OFFSETS,
                      static_cast<std::uint8_t>(9 * u),
                      static_cast<std::uint8_t>(9 * (u % 3)),
                      {12, 12, 12},
                      1u << 12,
                      {},
                      {}};
        row.masks[band] = ALL_DIGITS;
        row.outs[band] = ALL_DIGITS;
        SweepUnit column{&COLUMN_OFFSETS,
                         static_cast<std::uint8_t>(u),
                         static_cast<std::uint8_t>(u),
                         {29, 26, 23},
                         COLUMN_GATHER,
                         {BAND_COLUMN, BAND_COLUMN, BAND_COLUMN},
                         {7, 7 << 3, 7 << 6}};
        SweepUnit box{&BOX_OFFSETS,
                      static_cast<std::uint8_t>(BOX_ORIGINS[u]),
                      static_cast<std::uint8_t>(3 * (u % 3)),
                      {12, 12, 12},
                      1u << 12 | 1u << 6 | 1u,
                      {},
                      {}};
        box.masks[band] = BAND_BOX;
        box.outs[band] = ALL_DIGITS;
        units[3 * u] = row;
        units[3 * u + 1] = column;
        units[3 * u + 2] = box;
    }
    return units;
}();

// The cells of each unit in the order of a sweep, as sets of cells in cell order.
constexpr std::array<CellBits, 27> SWEEP_UNIT_CELLS = [] {
    std::array<CellBits, 27> cells{};
    for (int unit = 0; unit < 27; ++unit) {
        for (const auto offset : *SWEEP_UNITS[unit].offsets) {
            const int cell = SWEEP_UNITS[unit].first_cell + offset;
            cells[unit][cell / 64] |= std::uint64_t{1} << (cell % 64);
        }
    }
    return cells;
}();

// How many of a unit's cells a set of cells in cell order holds.
constexpr int cells_in_unit(const CellBits& cells, int unit) {
    return std::popcount(cells[0] & SWEEP_UNIT_CELLS[unit][0]) +
           std::popcount(cells[1] & SWEEP_UNIT_CELLS[unit][1]);
}

// Every offset table lists its cells in ascending order, so a unit's cells in cell order are
// its positions in order.
constexpr bool offsets_ascend() {
    for (const UnitOffsets* offsets : {&ROW_OFFSETS, &COLUMN_OFFSETS, &BOX_OFFSETS}) {
        for (int position = 1; position < 9; ++position) {
            if ((*offsets)[position] <= (*offsets)[position - 1]) {
                return false;
            }
        }
    }
    return true;
}
static_assert(offsets_ascend());

#if CELLWRIGHT_AVX2
// The cells of a set in cell order that lie in a unit, as bit p for its position p: PEXT keeps
// the unit's cells in cell order, which is the order of its offset table.
std::uint32_t unit_bits(const CellBits& cells, int unit) {
    const CellBits& mask = SWEEP_UNIT_CELLS[unit];
    return static_cast<std::uint32_t>(_pext_u64(cells[0], mask[0]) | _pext_u64(cells[1], mask[1])
                                                                         << std::popcount(mask[0]));
}
#endif

// The listed cells of a unit as bit p for its position p (the order of its offset table).
constexpr std::uint32_t unit_bits(const BandWords& bands, const SweepUnit& unit) {
    std::uint32_t bits = 0;
    for (int band = 0; band < 3; ++band) {
        bits |=
            ((bands[band] >> unit.shift & unit.masks[band]) * unit.multiplier) >> unit.down[band] &
            unit.outs[band];
    }
    return bits;
}

// Every subset of every unit's cells comes out of `unit_bits` in offset-table order, whatever
// else the band words hold: the multiplications carry nothing into the bits they keep.
// Checked for one kind of unit (0 rows, 1 columns, 2 boxes) at a time, to stay within the
// compilers' step limits.
constexpr bool unit_bits_gathers_every_subset(int kind) {
    for (int u = 0; u < 9; ++u) {
        const SweepUnit& unit = SWEEP_UNITS[3 * u + kind];
        BandWords others{(1u << 27) - 1, (1u << 27) - 1, (1u << 27) - 1};
        for (const auto offset : *unit.offsets) {
            const int cell = unit.first_cell + offset;
            others[cell / 27] &= ~(1u << (cell % 27));
        }
        for (std::uint32_t subset = 0; subset < 512; ++subset) {
            BandWords bands = others;
            for (int position = 0; position < 9; ++position) {
                const int cell = unit.first_cell + (*unit.offsets)[position];
                bands[cell / 27] |= (subset >> position & 1u) << (cell % 27);
            }
            if (unit_bits(bands, unit) != subset) {
                return false;
            }
        }
    }
    return true;
}
static_assert(unit_bits_gathers_every_subset(0), "rows");
static_assert(unit_bits_gathers_every_subset(1), "columns");
static_assert(unit_bits_gathers_every_subset(2), "boxes");

}  // namespace
}  // namespace cellwright
