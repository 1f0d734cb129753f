#include "support/puzzle_checks.hpp"

#include <sstream>

namespace cellwright::check {

DigitGrid grid_from_text(std::string_view text) {
    DigitGrid grid{};
    int cell = 0;
    for (const char c : text) {
        if (cell == CELL_COUNT) {
            break;
        }
        if (c == '.' || (c >= '0' && c <= '9')) {
            grid[cell++] = static_cast<std::uint8_t>(c == '.' ? 0 : c - '0');
        }
    }
    return grid;
}

bool solves(const DigitGrid& solution, const DigitGrid& givens) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (solution[cell] < 1 || solution[cell] > 9) {
            return false;
        }
        if (givens[cell] != 0 && givens[cell] != solution[cell]) {
            return false;
        }
    }
    for (int unit = 0; unit < 9; ++unit) {
        DigitMask row = 0;
        DigitMask column = 0;
        DigitMask box = 0;
        for (int k = 0; k < 9; ++k) {
            row |= DIGIT_MASKS[solution[9 * unit + ROW_OFFSETS[k]]];
            column |= DIGIT_MASKS[solution[unit + COLUMN_OFFSETS[k]]];
            box |= DIGIT_MASKS[solution[BOX_ORIGINS[unit] + BOX_OFFSETS[k]]];
        }
        if (row != ALL_DIGITS || column != ALL_DIGITS || box != ALL_DIGITS) {
            return false;
        }
    }
    return true;
}

PlacedGrid masks_of(const DigitGrid& digits) {
    PlacedGrid masks{};
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        masks[cell] = DIGIT_MASKS[digits[cell] <= 9 ? digits[cell] : 0];
    }
    return masks;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<DigitGrid> cut_puzzles(RandomState& random, const DigitGrid& solution, int kept,
                                   int count) {
    std::vector<DigitGrid> puzzles;
    for (int n = 0; n < count; ++n) {
        // A partial shuffle of the cell numbers picks the kept cells.
        std::array<int, CELL_COUNT> cells{};
        for (int cell = 0; cell < CELL_COUNT; ++cell) {
            cells[cell] = cell;
        }
        DigitGrid puzzle{};
        for (int i = 0; i < kept; ++i) {
            const int pick = i + random_below(random, CELL_COUNT - i);
            std::swap(cells[i], cells[pick]);
            puzzle[cells[i]] = solution[cells[i]];
        }
        puzzles.push_back(puzzle);
    }
    return puzzles;
}

}  // namespace cellwright::check
