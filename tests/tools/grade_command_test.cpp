// `grade` must grade a puzzle exactly as the batch graded it, and its JSON record must carry
// the documented keys, with nulls where a value does not exist.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generator/make_problem.hpp"
#include "grade_command.hpp"
#include "json_output.hpp"
#include "puzzle_input.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::tool {
namespace {

using check::lines_of;

TEST(GradePuzzle, WritesTheDocumentedRecord) {
    struct Case {
        const char* name;
        std::string puzzle;
        std::string json;
    };
    const std::string version = ", \"version\": \"" CELLWRIGHT_VERSION_STRING "\"}";
    const std::string zero_counters =
        "{\"box_single_passes\": 0, \"locked_candidate_sweeps\": 0, \"naked_single_scans\": 0, "
        "\"line_single_passes\": 0, \"naked_pair_sweeps\": 0, \"naked_triple_sweeps\": 0}";
    const std::vector<Case> cases{
        // The first class-2 problem of the batch seeded with 0, with its known solution and
        // counters 12, 2, 1, 0, 0, 0.
        {"graded puzzle",
         ".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.",
         "{\"puzzle\": "
         "\".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.\", "
         "\"solutions\": 1, \"solution\": "
         "\"745231698891476235632958174916547823453812769287693451129364587378125946564789312\","
         " \"solved\": true, \"counters\": {\"box_single_passes\": 12, "
         "\"locked_candidate_sweeps\": 2, \"naked_single_scans\": 1, \"line_single_passes\": 0, "
         "\"naked_pair_sweeps\": 0, \"naked_triple_sweeps\": 0}, \"score\": 10212, \"grade\": 7, "
         "\"class\": 2, \"rated_class\": 2, \"rated_grade\": 7, \"outcome\": \"solved\", "
         "\"hardest\": \"naked_single\", \"steps\": {\"box_hidden_single\": 53, \"pointing\": 13, "
         "\"naked_single\": 3}" +
             version},
        {"empty grid", std::string(81, '.'),
         "{\"puzzle\": \"" + std::string(81, '.') +
             "\", \"solutions\": 2, \"solution\": null, \"solved\": false, \"counters\": " +
             zero_counters +
             ", \"score\": null, \"grade\": null, \"class\": null, \"rated_class\": null, "
             "\"rated_grade\": null, \"outcome\": \"stalled\", \"hardest\": null, \"steps\": {}" +
             version},
    };
    for (const Case& test : cases) {
        PuzzleEntry entry;
        ASSERT_FALSE(parse_puzzle_line(test.puzzle, entry).has_value()) << test.name;
        EXPECT_EQ(grade_json(entry.givens, grade_puzzle(entry.givens)), test.json) << test.name;
    }
}

TEST(GradePuzzle, LeavesScoreOutWhenTheLadderNeedsSubsetsOrFails) {
    // The first attempt of the batch seeded with 0 is solved, but with one naked-pair sweep.
    RandomState random;
    random_seed(random, 0);
    DigitGrid givens{};
    DigitGrid solution{};
    TechniqueCounters counters;
    ASSERT_TRUE(make_problem(random, givens, solution, counters)) << "first attempt of seed 0";
    const Grading with_pair = grade_puzzle(givens);
    EXPECT_TRUE(with_pair.solved) << "naked pair puzzle";
    EXPECT_EQ(with_pair.counters.box_single_passes, counters.box_single_passes)
        << "naked pair puzzle: the attempt's own counters";
    EXPECT_EQ(with_pair.counters.locked_candidate_sweeps, counters.locked_candidate_sweeps)
        << "naked pair puzzle: the attempt's own counters";
    EXPECT_EQ(with_pair.counters.naked_pair_sweeps, 1) << "naked pair puzzle";
    const std::string with_pair_json = grade_json(givens, with_pair);
    EXPECT_NE(
        with_pair_json.find("\"score\": null, \"grade\": null, \"class\": null, "
                            "\"rated_class\": 4, \"rated_grade\": 11, \"outcome\": \"solved\""),
        std::string::npos)
        << with_pair_json;

    // 1..7 in the top row and a 9 in box 2 leave both last cells of the row only 8: no
    // solution, so the ladder cannot finish and nothing is graded.
    std::string text = "1234567.........9";
    text.resize(81, '.');
    const DigitGrid broken = check::grid_from_text(text);
    const Grading none = grade_puzzle(broken);
    const std::string json = grade_json(broken, none);
    EXPECT_EQ(none.solutions, 0) << "no solution";
    EXPECT_NE(json.find("\"solutions\": 0, \"solution\": null, \"solved\": false"),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"score\": null, \"grade\": null, \"class\": null, \"rated_class\": null, "
                        "\"rated_grade\": null, \"outcome\": \"contradiction\""),
              std::string::npos)
        << json;
}

TEST(GradeCommand, GradesGoodLinesAndReportsBadOnes) {
    const std::string good(81, '.');
    struct Case {
        const char* name;
        std::string input;
        int status;
        std::size_t records;
        std::vector<std::string> messages;
    };
    const std::vector<Case> cases{
        {"all good, CRLF tolerated", good + "\r\n" + good + "\n", 0, 2, {}},
        {"bad lines among good ones",
         good + "\nshort\n\n" + good + "\n11" + good.substr(2) + "\n",
         1,
         2,
         {"<stdin>:2: line has 5 characters", "<stdin>:3: empty line",
          "<stdin>:5: digit 1 twice in row 1"}},
        {"binary junk", std::string("\x01\x02\x00\xff", 4), 1, 0, {"<stdin>:1: line has 4"}},
        {"empty input", "", 1, 0, {"<stdin>:1: empty input"}},
    };
    for (const Case& test : cases) {
        std::istringstream in(test.input);
        std::ostringstream out;
        std::ostringstream errors;
        EXPECT_EQ(run_grade({}, in, out, errors), test.status) << test.name;
        EXPECT_EQ(lines_of(out.str()).size(), test.records) << test.name;
        const std::vector<std::string> reported = lines_of(errors.str());
        ASSERT_EQ(reported.size(), test.messages.size()) << test.name << ": " << errors.str();
        for (std::size_t i = 0; i < reported.size(); ++i) {
            EXPECT_EQ(reported[i].rfind(test.messages[i], 0), 0u)
                << test.name << ": got \"" << reported[i] << "\"";
        }
    }
}

}  // namespace
}  // namespace cellwright::tool
