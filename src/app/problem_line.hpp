#pragma once
// The text form of one problem in a problem file: the grade, "/", then nine rows of nine
// cells ("." for empty, else the digit), each row followed by "/". 92 characters, 93 for
// grades 10 and up; the line feed is not part of it. The batch writes grades 1..10; grades
// 11 and 12 carry problems of classes 4 and 5 (advanced/rating.hpp).

#include <array>
#include <string_view>

#include "app/problem_record.hpp"
#include "app/puzzle_text.hpp"

namespace cellwright {

inline constexpr std::size_t MAX_PROBLEM_LINE = 93;
inline constexpr std::int32_t MAX_LINE_GRADE = 12;

struct ProblemLine {
    std::array<char, MAX_PROBLEM_LINE> text{};
    std::size_t length = 0;
    std::string_view view() const { return {text.data(), length}; }
};

ProblemLine format_problem_line(const ProblemRecord& record);

// Reads a problem line exactly as format_problem_line writes it (grade 1..12 without a
// leading zero, "." for an empty cell, nothing after the last "/") whose givens pass
// find_grid_fault. Sets `record.givens` and `record.grade` only on success.
TextFault parse_problem_line(std::string_view line, ProblemRecord& record);

}  // namespace cellwright
