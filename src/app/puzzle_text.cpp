#include "app/puzzle_text.hpp"

#include <algorithm>
#include <cstdio>

namespace cellwright {

int cell_digit(char c) {
    if (c == '.' || c == '0' || c == '_' || c == '*') {
        return 0;
    }
    if (c >= '1' && c <= '9') {
        return c - '0';
    }
    return -1;
}

std::string_view without_comment(std::string_view text) {
    return text.substr(0, text.find('#'));
}

TextFault parse_cell_line(std::string_view line, LineCells& cells) {
    // The puzzle's cells and then the solution's, counted on past the end to name the length.
    std::array<std::uint8_t, 2 * CELL_LINE_LENGTH> read{};
    std::size_t count = 0;
    const std::string_view text = without_comment(line);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_blank(text[i])) {
            continue;
        }
        const int digit = cell_digit(text[i]);
        if (digit < 0) {
            return describe_character(text[i]) + " at " + position_text(i) +
                   " is not a digit or an empty cell ('.', '0', '_', '*')";
        }
        if (count < read.size()) {
            read[count] = static_cast<std::uint8_t>(digit);
        }
        ++count;
    }
    if (count != CELL_LINE_LENGTH && count != 2 * CELL_LINE_LENGTH) {
        return "line has " + std::to_string(count) +
               " cells; a puzzle has 81, or 162 with its solution";
    }
    LineCells found;
    std::copy_n(read.begin(), CELL_LINE_LENGTH, found.givens.begin());
    if (TextFault fault = describe_grid_fault(find_grid_fault(found.givens))) {
        return fault;
    }
    if (count == 2 * CELL_LINE_LENGTH) {
        std::copy_n(read.begin() + CELL_LINE_LENGTH, CELL_LINE_LENGTH, found.solution.begin());
        if (TextFault fault = find_solution_fault(found.givens, found.solution)) {
            return fault;
        }
        found.has_solution = true;
    }
    cells = found;
    return std::nullopt;
}

std::string format_cell_line(const DigitGrid& grid) {
    std::string text(CELL_COUNT, '.');
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (grid[cell] != 0) {
            text[cell] = static_cast<char>('0' + grid[cell]);
        }
    }
    return text;
}

GridFault find_grid_fault(const DigitGrid& grid) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (grid[cell] > 9) {
            return {GridFault::Kind::bad_cell, cell, grid[cell]};
        }
    }
    constexpr std::array<GridFault::Kind, 3> KIND{GridFault::Kind::twice_in_row,
                                                  GridFault::Kind::twice_in_column,
                                                  GridFault::Kind::twice_in_box};
    constexpr std::array<const UnitOffsets*, 3> OFFSETS{&ROW_OFFSETS, &COLUMN_OFFSETS,
                                                        &BOX_OFFSETS};
    for (int kind = 0; kind < 3; ++kind) {
        for (int unit = 0; unit < 9; ++unit) {
            const int first = kind == 0 ? 9 * unit : kind == 1 ? unit : BOX_ORIGINS[unit];
            DigitMask seen = 0;
            for (const std::uint16_t offset : *OFFSETS[kind]) {
                const int digit = grid[first + offset];
                if ((seen & DIGIT_MASKS[digit]) != 0) {
                    return {KIND[kind], unit, digit};
                }
                seen |= DIGIT_MASKS[digit];
            }
        }
    }
    return {};
}

TextFault describe_grid_fault(const GridFault& fault) {
    const std::string unit = std::to_string(fault.where + 1);
    const std::string twice = "digit " + std::to_string(fault.value) + " twice in ";
    switch (fault.kind) {
        case GridFault::Kind::none:
            return std::nullopt;
        case GridFault::Kind::bad_cell:
            return cell_text(fault.where) + " holds " + std::to_string(fault.value) + ", not 0..9";
        case GridFault::Kind::twice_in_row:
            return twice + "row " + unit;
        case GridFault::Kind::twice_in_column:
            return twice + "column " + unit;
        case GridFault::Kind::twice_in_box:
            return twice + "box " + unit;
    }
    return std::nullopt;
}

TextFault find_solution_fault(const DigitGrid& givens, const DigitGrid& solution) {
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (solution[cell] == 0 || solution[cell] > 9) {
            return "solution: " + cell_text(cell) + " is not a digit 1..9";
        }
    }
    if (TextFault fault = describe_grid_fault(find_grid_fault(solution))) {
        return "solution: " + *fault;
    }
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (givens[cell] != 0 && givens[cell] != solution[cell]) {
            return "solution: " + cell_text(cell) + " holds " + std::to_string(solution[cell]) +
                   ", the puzzle gives " + std::to_string(givens[cell]);
        }
    }
    return std::nullopt;
}

std::string describe_character(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F) {
        return std::string("'") + c + "'";
    }
    char text[16];
    std::snprintf(text, sizeof text, "byte 0x%02X", byte);
    return text;
}

std::string position_text(std::size_t index) {
    return "column " + std::to_string(index + 1);
}

std::string cell_text(int cell) {
    return "row " + std::to_string(row_of(cell) + 1) + " column " +
           std::to_string(column_of(cell) + 1);
}

}  // namespace cellwright
