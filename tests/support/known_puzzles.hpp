#pragma once
// The first class-2 problem of the batch seeded with 0, in both line forms, with its
// solution: grade 7, ladder counters 12, 2, 1, 0, 0, 0, score 10212.

#include <string>

namespace cellwright::known {

inline const std::string GRADE_7_LINE =
    "7/.4......./..1.7.2.5/.3.9.8.7./..6...8../.5..1..6./..7...4../.2.3.4.8./3.8.2.9../"
    ".......1./";
inline const std::string GRADE_7_PUZZLE =
    ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.";
inline const std::string GRADE_7_SOLUTION =
    "745231698891476235632958174916547823453812769287693451129364587378125946564789312";

}  // namespace cellwright::known
