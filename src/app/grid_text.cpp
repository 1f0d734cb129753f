#include "app/grid_text.hpp"

namespace cellwright {

TextFault parse_grid_text(std::string_view text, DigitGrid& givens, int& fault_line) {
    DigitGrid read{};
    int rows = 0;
    int line_number = 0;
    for (std::size_t start = 0; start <= text.size(); ++line_number) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        fault_line = line_number + 1;
        line = without_comment(line);
        std::array<std::uint8_t, 9> row{};
        int cells = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (is_blank(line[i]) || is_grid_decoration(line[i])) {
                continue;
            }
            const int digit = cell_digit(line[i]);
            if (digit < 0) {
                return describe_character(line[i]) + " at " + position_text(i) +
                       " is not a digit, an empty cell ('.', '0', '_', '*') or '|', '-', '+'";
            }
            if (cells < 9) {
                row[cells] = static_cast<std::uint8_t>(digit);
            }
            ++cells;
        }
        if (cells == 0) {
            continue;  // a frame line or a blank one
        }
        if (cells != 9) {
            return "a grid row has 9 cells, this line " + std::to_string(cells);
        }
        if (rows == 9) {
            return std::string("a tenth row; a grid has 9");
        }
        std::copy(row.begin(), row.end(), read.begin() + 9 * rows);
        ++rows;
    }
    fault_line = 0;
    if (rows != 9) {
        return "the grid ends after " + std::to_string(rows) + " rows; it has 9";
    }
    if (TextFault fault = describe_grid_fault(find_grid_fault(read))) {
        return fault;
    }
    givens = read;
    return std::nullopt;
}

std::string format_grid_text(const DigitGrid& grid) {
    const std::string line = format_cell_line(grid);
    std::string text;
    for (int row = 0; row < 9; ++row) {
        text += line.substr(9 * row, 9);
        if (row < 8) {
            text += '\n';
        }
    }
    return text;
}

}  // namespace cellwright
