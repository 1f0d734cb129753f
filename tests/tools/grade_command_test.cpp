// `grade` must grade a puzzle exactly as the batch graded it, and its JSON record must carry
// the documented keys, with nulls where a value does not exist.

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "generator/make_problem.hpp"
#include "grade_command.hpp"
#include "puzzle_input.hpp"
#include "records.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::tool {
namespace {

using check::lines_of;

// The JSON record grade writes for `givens`, without its line feed.
std::string grade_json(const Grid& givens, const Grading& grading) {
    const std::string line =
        format_record(graded_record(givens, grading), RecordFormat::json, false);
    return line.substr(0, line.size() - 1);
}

int run_grade(const std::vector<std::string>& files, std::istream& in, std::ostream& out,
              std::ostream& errors) {
    GradeOptions options;
    options.files = files;
    return tool::run_grade(options, in, out, errors);
}

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
         "{\"class\": 2, \"grade\": 7, \"score\": 10212, \"solutions\": 1, \"solved\": true, "
         "\"counters\": {\"box_single_passes\": 12, \"locked_candidate_sweeps\": 2, "
         "\"naked_single_scans\": 1, \"line_single_passes\": 0, \"naked_pair_sweeps\": 0, "
         "\"naked_triple_sweeps\": 0}, \"givens\": "
         "\".4.........1.7.2.5.3.9.8.7...6...8...5..1..6...7...4...2.3.4.8.3.8.2.9.........1.\", "
         "\"solution\": "
         "\"745231698891476235632958174916547823453812769287693451129364587378125946564789312\", "
         "\"rated_class\": 2, \"rated_grade\": 7, \"outcome\": \"solved\", \"hardest\": "
         "\"naked_single\", \"steps\": {\"box_hidden_single\": 53, \"pointing\": 13, "
         "\"naked_single\": 3}" +
             version},
        {"empty grid", std::string(81, '.'),
         "{\"class\": null, \"grade\": null, \"score\": null, \"solutions\": 2, \"solved\": "
         "false, \"counters\": " +
             zero_counters + ", \"givens\": \"" + std::string(81, '.') +
             "\", \"solution\": null, \"rated_class\": null, \"rated_grade\": null, "
             "\"outcome\": \"stalled\", \"hardest\": null, \"steps\": {}" +
             version},
    };
    for (const Case& test : cases) {
        PuzzleEntry entry;
        ASSERT_FALSE(parse_puzzle_line(test.puzzle, entry).has_value()) << test.name;
        EXPECT_EQ(grade_json(entry.givens, grade_puzzle(entry.givens)), test.json) << test.name;
    }
}

// One header line, then a line per record: the counters and the steps of every technique a
// column each, absent values empty.
TEST(GradePuzzle, WritesCsvWithAColumnPerField) {
    const std::string counters =
        "box_single_passes,locked_candidate_sweeps,naked_single_scans,line_single_passes,"
        "naked_pair_sweeps,naked_triple_sweeps,";
    std::string techniques;
    std::string no_steps;
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        techniques += std::string(technique_key(static_cast<Technique>(i))) + ",";
        no_steps += "0,";
    }
    EXPECT_EQ(record_header(RecordFormat::csv, RecordKind::generated),
              "index,seed,class,grade,score," + counters + "givens,solution,hardest," + techniques +
                  "version\n");
    EXPECT_EQ(record_header(RecordFormat::csv, RecordKind::graded),
              "class,grade,score,solutions,solved," + counters +
                  "givens,solution,rated_class,rated_grade,outcome,hardest," + techniques +
                  "version\n");
    for (const RecordFormat other : {RecordFormat::dat, RecordFormat::line, RecordFormat::json}) {
        EXPECT_EQ(record_header(other, RecordKind::graded), "");
    }
    const Grid empty{};
    EXPECT_EQ(format_record(graded_record(empty, grade_puzzle(empty)), RecordFormat::csv, false),
              ",,,2,false,0,0,0,0,0,0," + std::string(81, '.') + ",,,,stalled,," + no_steps +
                  CELLWRIGHT_VERSION_STRING "\n");
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
    EXPECT_NE(with_pair_json.find("\"class\": null, \"grade\": null, \"score\": null"),
              std::string::npos)
        << with_pair_json;
    EXPECT_NE(with_pair_json.find("\"rated_class\": 4, \"rated_grade\": 11, \"outcome\": "
                                  "\"solved\""),
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
    EXPECT_NE(json.find("\"solutions\": 0, \"solved\": false"), std::string::npos) << json;
    EXPECT_NE(json.find("\"solution\": null, \"rated_class\": null, \"rated_grade\": null, "
                        "\"outcome\": \"contradiction\""),
              std::string::npos)
        << json;
    EXPECT_NE(json.find("\"class\": null, \"grade\": null, \"score\": null,"), std::string::npos)
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
         {"<stdin>:2: 's' at column 1", "<stdin>:5: digit 1 twice in row 1"}},
        {"binary junk", std::string("\x01\x02\x00\xff", 4), 1, 0, {"<stdin>:1: byte 0x01 at"}},
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
