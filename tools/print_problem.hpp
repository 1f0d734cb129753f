#pragma once
// One problem as a printed sheet shows it: its number on the sheet, its grade and class as
// the problem file records them, the givens, the solution for the answer key, and when asked
// for, the hardest technique its solution needs.

#include <string>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

struct PrintProblem {
    int number = 0;            // 1, 2, ... in the order the problems were read
    int grade = 0;             // 1..12
    int difficulty_class = 0;  // 1..5
    Grid givens{};             // 0 in every empty cell
    Grid solution{};           // the one completion of the givens
    std::string technique;     // the hardest technique's name, or empty when not shown
};

}  // namespace cellwright::tool
