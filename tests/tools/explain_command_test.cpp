// `explain` writes each puzzle's steps in words, or only the next one, as text or JSON Lines,
// and reports lines it cannot read without stopping.

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "explain_command.hpp"
#include "support/known_puzzles.hpp"
#include "support/puzzle_checks.hpp"

namespace cellwright::tool {
namespace {

// A class 5 problem (problem 1 of seed 9's class 5 streams) and the empty grid.
const std::string HARD =
    "..8.......2..3..54...15...6....8.7...17...23...3.1....4...29...36..4..1.......5..";
const std::string EMPTY(81, '.');

struct Explained {
    int status = 0;
    std::vector<std::string> out;
    std::string errors;
};

Explained run(const std::string& input, bool first, bool json) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    ExplainOptions options;
    options.first = first;
    options.json = json;
    Explained result;
    result.status = run_explain(options, in, out, errors);
    result.out = check::lines_of(out.str());
    result.errors = errors.str();
    return result;
}

TEST(ExplainCommand, WritesEveryStepThenHowItEnded) {
    const Explained text = run(HARD + "\n" + EMPTY + "\n", false, false);
    EXPECT_EQ(text.status, 0) << text.errors;
    ASSERT_GT(text.out.size(), 4u);
    EXPECT_EQ(text.out[0], "puzzle 1: " + HARD);
    EXPECT_EQ(text.out[1], "  1. hidden single in box 6: r4c9 = 1");
    EXPECT_EQ(text.out[6],
              "  6. locked candidates (pointing): 4 in box 4 lies in row 4: r4c4, r4c6 <> 4");
    const std::size_t end = text.out.size() - 3;
    EXPECT_EQ(text.out[end], "  solved");
    EXPECT_EQ(text.out[end + 1], "puzzle 2: " + EMPTY);
    EXPECT_EQ(text.out[end + 2], "  stalled: no technique applies (the puzzle needs guessing)");
}

TEST(ExplainCommand, FirstGivesOnlyTheNextStepOrHowThePuzzleStands) {
    const Explained hints =
        run(HARD + "\n" + known::GRADE_7_SOLUTION + "\nxyz\n" + EMPTY + "\n", true, false);
    EXPECT_EQ(hints.status, 1) << "a bad line";
    EXPECT_NE(hints.errors.find("<stdin>:3: "), std::string::npos) << hints.errors;
    const std::vector<std::string> expected{
        "puzzle 1: hidden single in box 6: r4c9 = 1",
        "puzzle 2: solved",
        "puzzle 3: stalled: no technique applies (the puzzle needs guessing)",
    };
    EXPECT_EQ(hints.out, expected);
}

TEST(ExplainCommand, JsonRecordsCarryPatternPlacementAndEliminations) {
    const Explained json = run(HARD + "\n", false, true);
    ASSERT_EQ(json.out.size(), 1u);
    const std::string& record = json.out[0];
    EXPECT_EQ(record.rfind("{\"puzzle\": \"" + HARD +
                               "\", \"status\": \"solved\", \"text\": \"solved\", \"steps\": "
                               "[{\"technique\": \"box_hidden_single\", \"text\": \"hidden "
                               "single in box 6: r4c9 = 1\", \"units\": [\"box 6\"], \"pattern\": "
                               "[{\"cell\": \"r4c9\", \"digits\": [1]}], \"placement\": "
                               "{\"cell\": \"r4c9\", \"digit\": 1}, \"eliminations\": []}, ",
                           0),
              0u)
        << record;
    EXPECT_NE(record.find("{\"technique\": \"pointing\", \"text\": \"locked candidates "
                          "(pointing): 4 in box 4 lies in row 4: r4c4, r4c6 <> 4\", \"units\": "
                          "[\"box 4\", \"row 4\"], \"pattern\": [{\"cell\": \"r4c2\", \"digits\": "
                          "[4]}, {\"cell\": \"r4c3\", \"digits\": [4]}], \"placement\": null, "
                          "\"eliminations\": [{\"cell\": \"r4c4\", \"digits\": [4]}, {\"cell\": "
                          "\"r4c6\", \"digits\": [4]}]}"),
              std::string::npos)
        << record;
    EXPECT_NE(record.find("{\"technique\": \"aic\""), std::string::npos) << record;
    const std::string solution =
        "158674329726938154934152876549283761617495238283716495471529683365847912892361547";
    const std::string end =
        "}], \"grid\": \"" + solution + "\", \"version\": \"" + version() + "\"}";
    EXPECT_EQ(record.substr(record.size() - end.size()), end) << record;
}

}  // namespace
}  // namespace cellwright::tool
