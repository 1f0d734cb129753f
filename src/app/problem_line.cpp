#include "app/problem_line.hpp"

namespace cellwright {

ProblemLine format_problem_line(const ProblemRecord& record) {
    ProblemLine line;
    auto put = [&line](char c) { line.text[line.length++] = c; };
    if (record.grade >= 10) {
        put(static_cast<char>('0' + record.grade / 10));
    }
    put(static_cast<char>('0' + record.grade % 10));
    put('/');
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int digit = record.givens[9 * row + column];
            put(digit == 0 ? '.' : static_cast<char>('0' + digit));
        }
        put('/');
    }
    return line;
}

namespace {

// The grade field before the first "/": 1..MAX_LINE_GRADE in decimal, no sign, no leading
// zero.
std::int32_t parse_grade_field(std::string_view field) {
    if (field.size() == 1 && field[0] >= '1' && field[0] <= '9') {
        return field[0] - '0';
    }
    if (field.size() == 2 && field[0] == '1' && field[1] >= '0' && field[1] <= '9') {
        const std::int32_t grade = 10 + (field[1] - '0');
        return grade <= MAX_LINE_GRADE ? grade : 0;
    }
    return 0;
}

}  // namespace

TextFault parse_problem_line(std::string_view line, ProblemRecord& record) {
    const std::size_t slash = line.find('/');
    if (slash == std::string_view::npos) {
        return std::string("no '/' after the grade");
    }
    const std::int32_t grade = parse_grade_field(line.substr(0, slash));
    if (grade == 0) {
        return "grade before the first '/' is not a number from 1 to " +
               std::to_string(MAX_LINE_GRADE);
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
    if (TextFault fault = describe_grid_fault(find_grid_fault(givens))) {
        return fault;
    }
    record.givens = givens;
    record.grade = grade;
    return std::nullopt;
}

}  // namespace cellwright
