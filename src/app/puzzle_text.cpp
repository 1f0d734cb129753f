#include "app/puzzle_text.hpp"

#include <cstdio>

namespace cellwright {
namespace {

// The digit of a line's cell, or -1 when the character is no cell at all.
int cell_digit(char c) {
    if (c == '.' || c == '0') {
        return 0;
    }
    if (c >= '1' && c <= '9') {
        return c - '0';
    }
    return -1;
}

}  // namespace

TextFault parse_cell_line(std::string_view line, DigitGrid& givens) {
    if (line.size() != CELL_LINE_LENGTH) {
        return "line has " + std::to_string(line.size()) +
               " characters; a puzzle has 81 cells or is a problem line";
    }
    DigitGrid read{};
    for (std::size_t i = 0; i < CELL_LINE_LENGTH; ++i) {
        const int digit = cell_digit(line[i]);
        if (digit < 0) {
            return describe_character(line[i]) + " at " + position_text(i) +
                   " is not a digit or '.'";
        }
        read[i] = static_cast<std::uint8_t>(digit);
    }
    if (TextFault fault = describe_grid_fault(find_grid_fault(read))) {
        return fault;
    }
    givens = read;
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
            return "row " + std::to_string(row_of(fault.where) + 1) + " column " +
                   std::to_string(column_of(fault.where) + 1) + " holds " +
                   std::to_string(fault.value) + ", not 0..9";
        case GridFault::Kind::twice_in_row:
            return twice + "row " + unit;
        case GridFault::Kind::twice_in_column:
            return twice + "column " + unit;
        case GridFault::Kind::twice_in_box:
            return twice + "box " + unit;
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

}  // namespace cellwright
