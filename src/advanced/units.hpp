#pragma once
// The 27 units numbered as one list, for techniques that treat rows, columns and boxes
// alike and name them in their explanations:
//
//   unit 0..8    row 0..8          (cells 9r .. 9r+8)
//   unit 9..17   column 0..8       (cells c, c+9, .., c+72)
//   unit 18..26  box 0..8          (BOX_ORIGINS[b] + BOX_OFFSETS)
//
// Position p of a unit is its p-th cell in the order of the offset tables of grid/grid.hpp.

#include <array>
#include <cstdint>

#include "advanced/cell_set.hpp"
#include "grid/grid.hpp"

namespace cellwright {

inline constexpr int UNIT_COUNT = 27;

constexpr int row_unit(int row) {
    return row;
}
constexpr int column_unit(int column) {
    return 9 + column;
}
constexpr int box_unit(int box) {
    return 18 + box;
}

using UnitCellList = std::array<std::uint8_t, 9>;

inline constexpr std::array<UnitCellList, UNIT_COUNT> UNIT_CELLS = [] {
    std::array<UnitCellList, UNIT_COUNT> units{};
    for (int k = 0; k < 9; ++k) {
        for (int p = 0; p < 9; ++p) {
            units[row_unit(k)][p] = static_cast<std::uint8_t>(9 * k + ROW_OFFSETS[p]);
            units[column_unit(k)][p] = static_cast<std::uint8_t>(k + COLUMN_OFFSETS[p]);
            units[box_unit(k)][p] = static_cast<std::uint8_t>(BOX_ORIGINS[k] + BOX_OFFSETS[p]);
        }
    }
    return units;
}();

inline constexpr std::array<CellSet, UNIT_COUNT> UNIT_SETS = [] {
    std::array<CellSet, UNIT_COUNT> sets{};
    for (int u = 0; u < UNIT_COUNT; ++u) {
        for (const int cell : UNIT_CELLS[u]) {
            sets[u].insert(cell);
        }
    }
    return sets;
}();

// Every unit lists its cells in ascending order, so walking a unit's positions in order
// walks its cells in order (the techniques rely on it for ascending eliminations).
static_assert([] {
    for (const UnitCellList& cells : UNIT_CELLS) {
        for (int p = 1; p < 9; ++p) {
            if (cells[p - 1] >= cells[p]) {
                return false;
            }
        }
    }
    return true;
}());

// The row, column and box unit of each cell.
inline constexpr std::array<std::array<std::uint8_t, 3>, CELL_COUNT> UNITS_OF_CELL = [] {
    std::array<std::array<std::uint8_t, 3>, CELL_COUNT> units{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        units[cell] = {static_cast<std::uint8_t>(row_unit(row_of(cell))),
                       static_cast<std::uint8_t>(column_unit(column_of(cell))),
                       static_cast<std::uint8_t>(box_unit(box_of(cell)))};
    }
    return units;
}();

// The 20 cells that share a unit with each cell (the cell itself is not its own peer).
inline constexpr std::array<CellSet, CELL_COUNT> PEERS = [] {
    std::array<CellSet, CELL_COUNT> peers{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        for (const int unit : UNITS_OF_CELL[cell]) {
            peers[cell] = peers[cell] | UNIT_SETS[unit];
        }
        peers[cell].erase(cell);
    }
    return peers;
}();

constexpr bool sees(int a, int b) {
    return PEERS[a].contains(b);
}

// The order in which the techniques visit units: row u, column u, box u for u = 0..8, the
// order of the technique ladder's sweeps.
inline constexpr std::array<std::uint8_t, UNIT_COUNT> SWEEP_UNITS = [] {
    std::array<std::uint8_t, UNIT_COUNT> order{};
    for (int u = 0; u < 9; ++u) {
        order[3 * u] = static_cast<std::uint8_t>(row_unit(u));
        order[3 * u + 1] = static_cast<std::uint8_t>(column_unit(u));
        order[3 * u + 2] = static_cast<std::uint8_t>(box_unit(u));
    }
    return order;
}();

}  // namespace cellwright
