#include "grid/grid.hpp"

#include "grid/soundness_check.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

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

bool is_sound(const PlacedGrid& placed, const ExclusionGrid& excluded) {
    std::array<DigitMask, 9> row_union{};
    std::array<DigitMask, 9> column_union{};
    std::array<DigitMask, 9> box_union{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const DigitMask digit_bit = placed[cell];
        if ((digit_bit & ~ALL_DIGITS) != 0 || (excluded[cell] & ~ALL_DIGITS) != 0 ||
            (digit_bit & (digit_bit - 1)) != 0 ||
            (digit_bit != 0 && excluded[cell] != ALL_DIGITS)) {
            return false;
        }
        row_union[row_of(cell)] |= digit_bit;
        column_union[column_of(cell)] |= digit_bit;
        box_union[box_of(cell)] |= digit_bit;
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        const auto peers = static_cast<DigitMask>(
            row_union[row_of(cell)] | column_union[column_of(cell)] | box_union[box_of(cell)]);
        if ((peers & ~excluded[cell]) != 0) {
            return false;
        }
    }
    return true;
}

void report_unsound_pair(const char* operation, const char* when) {
    std::fprintf(stderr, "cellwright: grid pair unsound on %s %s\n", when, operation);
    std::abort();
}

bool has_empty_cell(const PlacedGrid& placed) {
    return std::find(placed.begin(), placed.end(), DigitMask{0}) != placed.end();
}

}  // namespace cellwright
