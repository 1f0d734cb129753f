#pragma once
// One generated problem as the batch keeps it in memory.

#include <cstdint>

#include "grid/grid.hpp"

namespace cellwright {

struct ProblemRecord {
    DigitGrid givens{};      // the problem: given digits, 0 in every empty cell
    DigitGrid solution{};    // the grid the technique ladder reached: for an accepted problem,
                             // its complete solution
    std::int32_t grade = 0;  // 1..10; 11 and 12 for classes 4 and 5 (advanced/rating.hpp)
};

}  // namespace cellwright
