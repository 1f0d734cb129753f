#include "grid/grid.hpp"

#include <algorithm>

namespace cellwright {

void load_givens(const DigitGrid& givens, PlacedGrid& placed, ExclusionGrid& excluded,
                 TechniqueCounters& counters) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        placed[cell] = DIGIT_MASKS[givens[cell]];
    }
    // Each unit's union is formed once; an empty cell then takes three ORs, not 20 peers.
    std::array<DigitMask, 9> row_union{};
    std::array<DigitMask, 9> column_union{};
    std::array<DigitMask, 9> box_union{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        row_union[row_of(cell)] |= placed[cell];
        column_union[column_of(cell)] |= placed[cell];
        box_union[box_of(cell)] |= placed[cell];
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        excluded[cell] = placed[cell] != 0 ? ALL_DIGITS
                                           : static_cast<DigitMask>(row_union[row_of(cell)] |
                                                                    column_union[column_of(cell)] |
                                                                    box_union[box_of(cell)]);
    }
    counters = TechniqueCounters{};
}

void digits_from_masks(const PlacedGrid& placed, DigitGrid* destination) {
    if (destination == nullptr) {
        return;
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        (*destination)[cell] = static_cast<std::uint8_t>(digit_of(placed[cell]));
    }
}

bool has_empty_cell(const PlacedGrid& placed) {
    return std::find(placed.begin(), placed.end(), DigitMask{0}) != placed.end();
}

}  // namespace cellwright
