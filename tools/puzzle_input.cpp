#include "puzzle_input.hpp"

#include <cerrno>
#include <cstdio>
#include <exception>
#include <system_error>

namespace cellwright::tool {
namespace {

constexpr std::size_t PLAIN_PUZZLE_LENGTH = 81;

std::string position_text(std::size_t index) {
    return "column " + std::to_string(index + 1);
}

// The digit of a plain-puzzle cell, or -1 when the character is no cell at all.
int plain_cell_digit(char c) {
    if (c == '.' || c == '0') {
        return 0;
    }
    if (c >= '1' && c <= '9') {
        return c - '0';
    }
    return -1;
}

InputFault parse_plain_puzzle(std::string_view line, PuzzleEntry& entry) {
    if (line.size() != PLAIN_PUZZLE_LENGTH) {
        return "line has " + std::to_string(line.size()) +
               " characters; a puzzle has 81 cells or is a problem line";
    }
    DigitGrid givens{};
    for (std::size_t i = 0; i < PLAIN_PUZZLE_LENGTH; ++i) {
        const int digit = plain_cell_digit(line[i]);
        if (digit < 0) {
            return describe_character(line[i]) + " at " + position_text(i) +
                   " is not a digit or '.'";
        }
        givens[i] = static_cast<std::uint8_t>(digit);
    }
    if (InputFault clash = find_unit_clash(givens)) {
        return clash;
    }
    entry = PuzzleEntry{givens, 0};
    return std::nullopt;
}

// The grade field before the first "/": 1..10 in decimal, no sign, no leading zero.
std::int32_t parse_grade_field(std::string_view field) {
    if (field == "10") {
        return 10;
    }
    if (field.size() == 1 && field[0] >= '1' && field[0] <= '9') {
        return field[0] - '0';
    }
    return 0;
}

// Where each stream keeps the errno of its failed read.
const int READ_ERROR_SLOT = std::ios_base::xalloc();

}  // namespace

int read_error(std::istream& in) {
    return static_cast<int>(in.iword(READ_ERROR_SLOT));
}

bool read_bounded_line(std::istream& in, InputLine& line) {
    line.length = 0;
    line.too_long = false;
    line.ended_by_newline = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || !in.good()) {
        return false;
    }
    bool read_any = false;
    try {
        for (;;) {
            const auto next = buffer->sbumpc();
            if (next == std::char_traits<char>::eof()) {
                in.setstate(std::ios::eofbit);
                return read_any;
            }
            read_any = true;
            const char c = std::char_traits<char>::to_char_type(next);
            if (c == '\n') {
                line.ended_by_newline = true;
                return true;
            }
            if (line.length < MAX_LINE_LENGTH) {
                line.text[line.length++] = c;
            } else {
                line.too_long = true;
            }
        }
    } catch (const std::exception& failure) {
        // A file's buffer throws the errno of the failed read as a system error.
        const auto* system = dynamic_cast<const std::system_error*>(&failure);
        const bool has_errno = system != nullptr && system->code().value() != 0 &&
                               (system->code().category() == std::system_category() ||
                                system->code().category() == std::generic_category());
        in.iword(READ_ERROR_SLOT) = has_errno ? system->code().value() : EIO;
    }
    line.length = 0;
    line.too_long = false;
    in.setstate(std::ios::badbit);
    return false;
}

InputFault parse_puzzle_line(std::string_view line, PuzzleEntry& entry) {
    if (line.find('/') != std::string_view::npos) {
        return parse_problem_line(line, entry);
    }
    return parse_plain_puzzle(line, entry);
}

InputFault parse_problem_line(std::string_view line, PuzzleEntry& entry) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) {
        return std::string("no '/' after the grade");
    }
    const std::int32_t grade = parse_grade_field(line.substr(0, slash));
    if (grade == 0) {
        return std::string("grade before the first '/' is not a number from 1 to 10");
    }
    DigitGrid givens{};
    std::size_t at = slash + 1;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column, ++at) {
            if (at >= line.size()) {
                return "line ends inside row " + std::to_string(row + 1);
            }
            const char c = line[at];
            if (c == '.') {
                continue;
            }
            if (c < '1' || c > '9') {
                return describe_character(c) + " at " + position_text(at) + " (row " +
                       std::to_string(row + 1) + ") is not a digit 1-9 or '.'";
            }
            givens[9 * row + column] = static_cast<std::uint8_t>(c - '0');
        }
        if (at >= line.size() || line[at] != '/') {
            return "row " + std::to_string(row + 1) + " is not followed by '/' at " +
                   position_text(at);
        }
        ++at;
    }
    if (at != line.size()) {
        return std::to_string(line.size() - at) + " extra characters after the last row";
    }
    if (InputFault clash = find_unit_clash(givens)) {
        return clash;
    }
    entry = PuzzleEntry{givens, grade};
    return std::nullopt;
}

InputFault find_unit_clash(const DigitGrid& givens) {
    constexpr std::array<const char*, 3> KIND{"row", "column", "box"};
    constexpr std::array<const UnitOffsets*, 3> OFFSETS{&ROW_OFFSETS, &COLUMN_OFFSETS,
                                                        &BOX_OFFSETS};
    for (int kind = 0; kind < 3; ++kind) {
        for (int unit = 0; unit < 9; ++unit) {
            const int first = kind == 0 ? 9 * unit : kind == 1 ? unit : BOX_ORIGINS[unit];
            DigitMask seen = 0;
            for (const std::uint16_t offset : *OFFSETS[kind]) {
                const int digit = givens[first + offset];
                const DigitMask mask = digit <= 9 ? DIGIT_MASKS[digit] : 0;
                if ((seen & mask) != 0) {
                    return "digit " + std::to_string(digit) + " twice in " + KIND[kind] + " " +
                           std::to_string(unit + 1);
                }
                seen |= mask;
            }
        }
    }
    return std::nullopt;
}

std::string grid_text(const DigitGrid& grid, char empty) {
    std::string text(CELL_COUNT, empty);
    for (int cell = 0; cell < CELL_COUNT; ++cell) {
        if (grid[cell] != 0) {
            text[cell] = static_cast<char>('0' + grid[cell]);
        }
    }
    return text;
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

}  // namespace cellwright::tool
