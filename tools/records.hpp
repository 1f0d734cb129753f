#pragma once
// The records `generate` and `grade` write, one per puzzle, in every output format:
//
//   dat    a problem line (generate only): grade/row/.../row/
//   line   the puzzle's 81 cells, "." for empty; with --solutions a blank and the solution's 81
//   json   JSON Lines: one object per line, the fields below in order, "key": value
//   csv    a header line naming the fields, then one line per puzzle; the counters spread
//          over a column each (box_single_passes, ...); an absent value is an empty cell
//
// The fields carry the same names in every format and subcommand, in the order of one table
// (records.cpp); a new field is one line there. `generate` writes index, seed, class, grade,
// score, counters, givens, solution, hardest, steps, version; `grade` writes class, grade,
// score, solutions, solved, counters, givens, solution, rated_class, rated_grade, outcome,
// hardest, steps, version. "solutions" is 0, 1 or 2, where 2 means two or more; null stands
// for a value that does not exist (no unique solution, not graded by the ladder, a class 4 or
// 5 problem's score). class, grade and score are the ladder's (classes 1..3); rated_class and
// rated_grade the step-by-step solver's (classes 1..5), outcome how it ended ("solved",
// "stalled" or "contradiction"), hardest the key of the dearest technique it used. steps holds
// the techniques used with their counts in json, and every technique, 0 for those unused, as
// a csv column each.

#include <cstdint>
#include <optional>
#include <string>

#include <cellwright/cellwright.hpp>

namespace cellwright::tool {

// The names readers look for (input_formats.hpp), as the table writes them.
inline constexpr const char* GIVENS_FIELD = "givens";
inline constexpr const char* SOLUTION_FIELD = "solution";
inline constexpr const char* GRADE_FIELD = "grade";

// What a record is made from: a problem `generate` made, or a puzzle `grade` graded.
enum class RecordKind { generated, graded };

struct PuzzleRecord {
    RecordKind kind = RecordKind::graded;
    std::uint64_t index = 0;  // generated: the problem's number in its run
    std::uint64_t seed = 0;   // generated: the run's seed
    Grid givens{};
    std::optional<Grid> solution;  // absent when the puzzle has none or several
    int solutions = 0;             // graded: 0, 1, or 2 for two or more
    bool solved = false;           // graded: the ladder alone solved it
    LadderCounters counters;
    std::optional<int> score;  // absent when not graded
    std::optional<int> grade;
    std::optional<int> difficulty_class;
    // graded: the step-by-step solver's class 1..5 and grade, absent when it cannot finish
    std::optional<int> rated_class;
    std::optional<int> rated_grade;
    SolveStatus outcome = SolveStatus::stalled;  // graded: how that solver ended
    std::optional<Technique> hardest;            // the dearest technique a step used
    TechniqueSteps steps{};                      // the steps of each technique
};

// How a solver's run ended, as records write it: "step", "solved", "stalled", "contradiction".
const char* status_key(SolveStatus status);

PuzzleRecord generated_record(std::uint64_t index, std::uint64_t seed, const Problem& problem);
PuzzleRecord graded_record(const Grid& givens, const Grading& grading);

enum class RecordFormat { dat, line, json, csv };

// The format of an output-format name ("dat", "line", "json", "csv").
std::optional<RecordFormat> record_format_named(const std::string& name);

// What goes before the first record: the header line for csv, else nothing.
std::string record_header(RecordFormat format, RecordKind kind);

// One record with its line feed. `with_solution` adds the solution to a line (when there is
// one; json and csv always carry it). A dat line needs a grade; without one it is empty.
std::string format_record(const PuzzleRecord& record, RecordFormat format, bool with_solution);

}  // namespace cellwright::tool
