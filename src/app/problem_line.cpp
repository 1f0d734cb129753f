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

}  // namespace cellwright
