#pragma once
// One problem as a printed sheet shows it: its number on the sheet, its grade and class as
// the problem file records them, the givens, and the solution for the answer key.

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

struct PrintProblem {
    int number = 0;            // 1, 2, ... in the order the problems were read
    int grade = 0;             // 1..10
    int difficulty_class = 0;  // 1..3
    Grid givens{};             // 0 in every empty cell
    Grid solution{};           // the one completion of the givens
};

}  // namespace cellwright::tool
