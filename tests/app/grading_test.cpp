// Scores and grades: the weights of the counters, the grade boundaries and the class table.

#include "app/grading.hpp"

#include <string>

#include <gtest/gtest.h>

namespace cellwright {
namespace {

TEST(Grading, GradeAndClassBoundaries) {
    struct Case {
        std::int32_t score;
        std::int32_t grade;
        std::int32_t difficulty_class;
    };
    const Case cases[] = {
        {0, 1, 1},      {7, 1, 1},       {8, 2, 1},       {9, 2, 1},        {10, 3, 1},
        {11, 3, 1},     {12, 4, 1},      {99, 4, 1},      {100, 5, 2},      {199, 5, 2},
        {200, 6, 2},    {9999, 6, 2},    {10000, 7, 2},   {19999, 7, 2},    {20000, 8, 3},
        {999999, 8, 3}, {1000000, 9, 3}, {1999999, 9, 3}, {2000000, 10, 3}, {2147483647, 10, 3},
    };
    for (const Case& c : cases) {
        const std::int32_t grade = grade_from_score(c.score);
        EXPECT_EQ(grade, c.grade) << "score " << c.score;
        EXPECT_EQ(GRADE_CLASS.at(grade), c.difficulty_class) << "score " << c.score;
    }
}

TEST(Grading, CountersToScoreGradeAndClass) {
    struct Case {
        TechniqueCounters counters;
        std::int32_t score;
        std::int32_t grade;
        std::int32_t difficulty_class;
    };
    // Fields: box, locked, naked single, line, naked pair, naked triple.
    const Case cases[] = {
        {{5, 0, 0, 0, 0, 0}, 5, 1, 1},
        {{40, 1, 0, 0, 0, 0}, 140, 5, 2},
        {{7, 5, 1, 0, 0, 0}, 10507, 7, 2},
        {{9, 2, 3, 1, 0, 0}, 1030209, 9, 3},
        // Nothing is capped: 100 locked sweeps spill into the naked-single range.
        {{3, 100, 0, 0, 0, 0}, 10003, 7, 2},
        // Pairs and triples carry no weight.
        {{4, 0, 0, 0, 3, 2}, 4, 1, 1},
    };
    for (const Case& c : cases) {
        const TechniqueCounters& k = c.counters;
        const std::string name = "box " + std::to_string(k.box_single_passes) + ", locked " +
                                 std::to_string(k.locked_candidate_sweeps) + ", naked " +
                                 std::to_string(k.naked_single_scans) + ", line " +
                                 std::to_string(k.line_single_passes);
        const std::int32_t score = difficulty_score(c.counters);
        EXPECT_EQ(score, c.score) << name;
        EXPECT_EQ(grade_from_score(score), c.grade) << name;
        EXPECT_EQ(GRADE_CLASS.at(grade_from_score(score)), c.difficulty_class) << name;
    }
}

}  // namespace
}  // namespace cellwright
