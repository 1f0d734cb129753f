// Scores and grades: the weights of the counters, the grade boundaries and the class table.

#include "app/grading.hpp"

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
        const char* name;
        TechniqueCounters counters;  // box, locked, naked single, line, naked pair, triple
        std::int32_t score;
        std::int32_t grade;
        std::int32_t difficulty_class;
    };
    const Case cases[] = {
        {"box passes only", {5, 0, 0, 0, 0, 0}, 5, 1, 1},
        {"one locked sweep", {40, 1, 0, 0, 0, 0}, 140, 5, 2},
        {"one naked-single scan", {7, 5, 1, 0, 0, 0}, 10507, 7, 2},
        {"one line-single pass", {9, 2, 3, 1, 0, 0}, 1030209, 9, 3},
        {"100 locked sweeps spill into the naked-single range", {3, 100, 0, 0, 0, 0}, 10003, 7, 2},
        {"pairs and triples carry no weight", {4, 0, 0, 0, 3, 2}, 4, 1, 1},
    };
    for (const Case& c : cases) {
        const std::int32_t score = difficulty_score(c.counters);
        EXPECT_EQ(score, c.score) << c.name;
        EXPECT_EQ(grade_from_score(score), c.grade) << c.name;
        EXPECT_EQ(GRADE_CLASS.at(grade_from_score(score)), c.difficulty_class) << c.name;
    }
}

}  // namespace
}  // namespace cellwright
