// The text form of one problem: grade, "/", nine rows of cells each closed by "/".

#include "app/problem_line.hpp"

#include <string>

#include <gtest/gtest.h>

#include "support/generator_probe.hpp"

namespace cellwright {
namespace {

TEST(ProblemLine, RecordsAreWrittenAsGradeAndNineRows) {
    struct Case {
        const char* name;
        std::int32_t grade;
        const char* givens;
        const char* line;
    };
    const Case cases[] = {
        {"worked example", 6,
         ".2..5.7.. ..6...1.3 78.....5. ...5.7... 5...9...4 ...2.4... .4.....12 6.8...3.. "
         "..2.4..7.",
         "6/.2..5.7../..6...1.3/78.....5./...5.7.../5...9...4/...2.4.../.4.....12/6.8...3../"
         "..2.4..7./"},
        {"grade 10 takes two digits", 10,
         "9........ ......... ......... ......... ....5.... ......... ......... ......... "
         "........1",
         "10/9......../........./........./........./....5..../........./........./"
         "........./........1/"},
        {"empty problem", 1, "",
         "1/........./........./........./........./........./........./........./"
         "........./........./"},
        {"every cell a nine", 9,
         "999999999 999999999 999999999 999999999 999999999 999999999 999999999 999999999 "
         "999999999",
         "9/999999999/999999999/999999999/999999999/999999999/999999999/999999999/999999999/"
         "999999999/"},
    };
    for (const Case& c : cases) {
        ProblemRecord record;
        record.grade = c.grade;
        record.givens = probe::digits_from_text(c.givens);
        record.solution.fill(7);  // must not show in the line
        const std::string line(format_problem_line(record).view());
        EXPECT_EQ(line, c.line) << c.name;
        EXPECT_EQ(line.size(), c.grade >= 10 ? 93u : 92u) << c.name;
        EXPECT_EQ(line.find('0', 2), std::string::npos) << c.name << ": an empty cell as 0";
    }
}

}  // namespace
}  // namespace cellwright
