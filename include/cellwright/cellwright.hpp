#pragma once
// cellwright: 9x9 Sudoku problems, made and graded as a puzzle maker would grade them, by
// solving each with a fixed ladder of human techniques: hidden singles in boxes, locked
// candidates, naked singles, hidden singles in rows and columns, naked pairs, naked triples.
// This header is the library's whole public interface; everything else is private to it.
//
//   A grid is 81 cells row by row (cell = row * 9 + column), each 0 for an empty cell or a
//   digit 1..9. A problem of class 1..3 (1 the easiest) has a grade 1..10, 24 or 25 givens
//   on a pattern that a half turn of the grid maps onto itself, exactly one solution, and is
//   solved by the ladder without naked pairs or triples.
//
//   Beyond the ladder, a step-by-step solver with many more techniques (see Technique)
//   explains solutions and gives hints, and rates harder problems: class 4 (grade 11) when
//   the ladder needs naked pairs or triples, class 5 (grade 12) when the ladder stalls and
//   the step-by-step solver finishes. Problems of classes 4 and 5 are made like the others.
//
// Every call is a function of its arguments alone: there is no global state and no lock,
// so any number of threads may make any calls at once (generate_problems starts threads of
// its own and waits for them). Nothing throws, save std::bad_alloc from the calls that
// return a string or a vector, and what generate_problems' receiver throws. A bad argument (a class
// outside 1..5, a cell outside 0..9) gives the empty result the call names, never undefined
// behaviour.
//
// Needs C++17 or later. CMake: find_package(cellwright 1.0 REQUIRED) and link
// cellwright::cellwright; otherwise `pkg-config --cflags --libs cellwright`.

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// The version of this header, by semantic versioning: a program built against 1.x runs with
// any library 1.y where y >= x. `cellwright::version()` gives the library's own.
#define CELLWRIGHT_VERSION_MAJOR 1
#define CELLWRIGHT_VERSION_MINOR 0
#define CELLWRIGHT_VERSION_PATCH 0
#define CELLWRIGHT_VERSION_TEXT_(major, minor, patch) #major "." #minor "." #patch
#define CELLWRIGHT_VERSION_TEXT(major, minor, patch) CELLWRIGHT_VERSION_TEXT_(major, minor, patch)
#define CELLWRIGHT_VERSION_STRING                                               \
    CELLWRIGHT_VERSION_TEXT(CELLWRIGHT_VERSION_MAJOR, CELLWRIGHT_VERSION_MINOR, \
                            CELLWRIGHT_VERSION_PATCH)

// What the shared library exports: these calls and nothing else.
#if defined(_WIN32) && !defined(CELLWRIGHT_STATIC)
#if defined(CELLWRIGHT_BUILDING_LIBRARY)
#define CELLWRIGHT_API __declspec(dllexport)
#else
#define CELLWRIGHT_API __declspec(dllimport)
#endif
#elif defined(__GNUC__)
#define CELLWRIGHT_API __attribute__((visibility("default")))
#else
#define CELLWRIGHT_API
#endif

namespace cellwright {

// ---- Version ---------------------------------------------------------------------------

// The library's version, "MAJOR.MINOR.PATCH"; equal to CELLWRIGHT_VERSION_STRING unless a
// shared library of another version was swapped in. Never null.
CELLWRIGHT_API const char* version() noexcept;

// ---- Grids and their text forms --------------------------------------------------------

// 81 cells row by row: 0 for an empty cell, 1..9 for a digit.
using Grid = std::array<std::uint8_t, 81>;

// Why `grid` cannot be a puzzle, in words for a user: a cell outside 0..9 ("cell 12 holds
// 11"), or a digit twice in a row, column or box ("digit 5 twice in row 3"). Empty when it
// can.
CELLWRIGHT_API std::string grid_fault(const Grid& grid);

// The text forms of one puzzle that this library reads and writes.
enum class PuzzleFormat {
    // 81 characters row by row: "1".."9" for a digit, "." for an empty cell ("0" is read
    // as empty too).
    line,
    // A line of a problem file: the grade 1..12, "/", then nine rows of nine cells ("." or
    // "1".."9"), each row followed by "/". 92 characters, 93 for grades 10 to 12. The
    // batch writes grades 1..10; 11 and 12 stand for classes 4 and 5.
    problem_line,
};

// One puzzle read from text.
struct ParsedPuzzle {
    Grid givens{};                             // all 0 unless the text was read
    int grade = 0;                             // 1..12 from a problem line, else 0
    PuzzleFormat format = PuzzleFormat::line;  // the form the text was read in
    std::string error;                         // empty when read; else why not, for a user
};

// Reads `text` (one puzzle, no line feed) in `format`. Succeeds only when the whole text is
// one puzzle of that form whose givens pass grid_fault, so they are safe to grade and count.
// On failure `error` names the fault and where it sits ("'x' at column 11 is not a digit or
// '.'"), and `givens` and `grade` stay empty.
CELLWRIGHT_API ParsedPuzzle parse_puzzle(std::string_view text, PuzzleFormat format);

// The same for whichever form `text` is in: a problem line when it holds a "/", else a line.
CELLWRIGHT_API ParsedPuzzle parse_puzzle(std::string_view text);

// `grid` in `format`, without a line feed; a problem line shows `grade` (1..12) in front,
// a line ignores it. Empty when a cell is outside 0..9 or a problem line's grade is outside
// 1..12. parse_puzzle reads the result back to the same grid and grade.
CELLWRIGHT_API std::string format_puzzle(const Grid& grid, PuzzleFormat format, int grade = 0);

// ---- Techniques ------------------------------------------------------------------------

// The techniques of the step-by-step solver, cheapest first. At each step it uses the first
// of them that makes progress, so a puzzle's hardest technique is the dearest it needed.
enum class Technique : int {
    box_hidden_single,   // the only place for a digit in a box
    pointing,            // locked candidates: a box's candidates for a digit in one line
    naked_single,        // the only digit left in a cell
    line_hidden_single,  // the only place for a digit in a row or column
    claiming,            // locked candidates: a line's candidates for a digit in one box
    naked_pair,
    naked_triple,
    hidden_pair,
    hidden_triple,
    naked_quad,
    hidden_quad,
    x_wing,
    swordfish,
    jellyfish,
    skyscraper,
    two_string_kite,
    xy_wing,
    xyz_wing,
    w_wing,
    colour_trap,  // simple colouring, a cell that sees both colours
    colour_wrap,  // simple colouring, a colour that meets itself
    x_chain,
    xy_chain,
    aic,  // alternating inference chain
};

inline constexpr int TECHNIQUE_COUNT = 24;

// Steps per technique, indexed by static_cast<int>(Technique).
using TechniqueSteps = std::array<int, TECHNIQUE_COUNT>;

// The name solvers know a technique by ("X-wing", "hidden single"); "" for no technique.
CELLWRIGHT_API const char* technique_name(Technique technique) noexcept;

// A stable identifier for files and command lines ("x_wing", "box_hidden_single"); "" for
// no technique.
CELLWRIGHT_API const char* technique_key(Technique technique) noexcept;

// The technique whose key is `key`, if any.
CELLWRIGHT_API std::optional<Technique> technique_from_key(std::string_view key) noexcept;

// ---- Making problems -------------------------------------------------------------------

// How often each rung of the ladder made progress while a puzzle was solved: productive
// passes, not digits placed.
struct LadderCounters {
    int box_single_passes = 0;        // hidden singles in boxes
    int locked_candidate_sweeps = 0;  // locked candidates
    int naked_single_scans = 0;       // naked singles
    int line_single_passes = 0;       // hidden singles in rows and columns
    int naked_pair_sweeps = 0;        // naked pairs
    int naked_triple_sweeps = 0;      // naked triples
};

// One problem made by the generator, with its grading.
struct Problem {
    Grid givens{};             // the puzzle: 24 or 25 digits, 0 in every other cell
    Grid solution{};           // its one solution
    int grade = 0;             // 1..10; 11 for class 4, 12 for class 5
    int difficulty_class = 0;  // 1..5, from the grade
    int score = 0;  // the score of the counters, from which grades 1..10 come; 0 for 4 and 5
    // How the ladder solved it: no naked pairs or triples in classes 1..3, some in class 4;
    // in class 5 the passes before the ladder stalled.
    LadderCounters counters;
    // The step-by-step solver's solution from the givens: its dearest technique and its
    // steps per technique.
    std::optional<Technique> hardest;
    TechniqueSteps steps{};
    // The work it took, rejected attempts included; for statistics only.
    std::uint64_t attempts = 0;  // problem attempts: patterns drawn
    std::uint64_t fillings = 0;  // digit fillings of those patterns
};

// Problem `index` of class `difficulty_class` (1..5) of the run seeded with `seed`: the
// first problem of that class in a random stream of its own drawn from (seed, index), the one
// `cellwright-tool generate --class C --seed S` writes as number `index`. It depends on the
// three arguments alone, so any range of indices may be made on any thread or machine.
// Nothing for a class outside 1..5.
CELLWRIGHT_API std::optional<Problem> generate_problem(std::uint64_t seed, std::uint64_t index,
                                                       int difficulty_class) noexcept;

// The problems to make: a class 1..5 and, for classes 4 and 5 only, the technique that must
// be the hardest (`generate --technique`). No problem of class 4 or 5 has the singles or
// pointing as its hardest technique; a rare one (a jellyfish) may take very long.
struct ProblemKind {
    int difficulty_class = 0;
    std::optional<Technique> hardest;
};

// True when some problem can be of `kind`: a class 1..5, and a hardest technique only with
// class 4 or 5 and only one of those from claiming on.
CELLWRIGHT_API bool is_possible_kind(const ProblemKind& kind) noexcept;

// The first problem of that kind in the random stream of (seed, index). Nothing for a kind
// that no problem can be.
CELLWRIGHT_API std::optional<Problem> generate_problem(std::uint64_t seed, std::uint64_t index,
                                                       const ProblemKind& kind) noexcept;

// ---- Making a numbered run on many threads ---------------------------------------------

// The most threads generate_problems starts.
inline constexpr unsigned MAX_JOBS = 1024;

// Receives problem `index` of a run on the thread that called generate_problems; returns
// false to stop the run.
using ProblemReceiver = bool (*)(void* context, std::uint64_t index, const Problem& problem);

// Makes problems first .. first + count - 1 of class `difficulty_class` (1..5) of the run
// seeded with `seed`, each the one generate_problem makes, on `jobs` threads (0: one per core the
// system reports; at most MAX_JOBS and `count`; fewer when no more can be started, the
// calling thread alone when none can), and hands each to `receive`, with `context`, in number order
// on the calling thread. The problems are the same for any number of threads. Returns true when all
// were handed out. Returns false without making any for a class outside 1..5 or a range that passes
// 2^64; and false when `receive` returned false, after the threads have finished and dropped
// the problems under way. An exception from `receive` stops the run alike and passes on.
CELLWRIGHT_API bool generate_problems(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                                      int difficulty_class, unsigned jobs, ProblemReceiver receive,
                                      void* context);

// The same for problems of `kind`; false without making any for a kind no problem can be.
CELLWRIGHT_API bool generate_problems(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                                      const ProblemKind& kind, unsigned jobs,
                                      ProblemReceiver receive, void* context);

// Either, with any callable `receive(std::uint64_t index, const Problem& problem) -> bool`;
// `kind` is a class or a ProblemKind.
template <class Kind, class Receive>
bool generate_problems(std::uint64_t seed, std::uint64_t first, std::uint64_t count,
                       const Kind& kind, unsigned jobs, Receive&& receive) {
    using Callable = std::remove_reference_t<Receive>;
    return generate_problems(
        seed, first, count, kind, jobs,
        [](void* context, std::uint64_t index, const Problem& problem) {
            return static_cast<bool>((*static_cast<Callable*>(context))(index, problem));
        },
        const_cast<void*>(static_cast<const void*>(std::addressof(receive))));
}

// Problem numbers first .. first + count - 1.
struct ProblemRange {
    std::uint64_t first = 0;
    std::uint64_t count = 0;
};

// Shard `shard` of `shards` of the run of `count` problems numbered from `first`, for
// splitting one run across machines: the shards follow each other in order and cover the run
// exactly, so their outputs joined in shard order are the run's; their borders depend on
// `count` and `shards` alone, and the first count % shards shards hold one problem more
// than the others. Empty when `shard` is not below `shards`.
CELLWRIGHT_API ProblemRange shard_range(std::uint64_t first, std::uint64_t count,
                                        std::uint64_t shard, std::uint64_t shards) noexcept;

// ---- Making batches as the program does ------------------------------------------------

// The number of problems in the file of one batch of the program.
inline constexpr int PROBLEMS_PER_BATCH = 30;

// A batch under way, as the program `cellwright c1..c3` makes one: a single random stream
// seeded with the program's tick count, each problem drawn from where the last one left it.
// A plain value: copy it to fork the batch; it holds no resources.
struct Batch {
    int difficulty_class = 0;
    std::array<std::uint32_t, 522> random{};  // the random source; only next_batch_problem
                                              // reads or writes it
};

// The batch of class `difficulty_class` whose tick count is `seed`, before its first problem.
CELLWRIGHT_API Batch start_batch(std::uint32_t seed, int difficulty_class) noexcept;

// The next problem of `batch`, moving it on. Nothing, and `batch` unchanged, when its class
// is outside 1..3 or its random source is not one start_batch began.
CELLWRIGHT_API std::optional<Problem> next_batch_problem(Batch& batch) noexcept;

// The PROBLEMS_PER_BATCH problems the program writes to its file when its tick count is
// `seed`, in file order: the lines of `cellwright-tool batch --class C --seed S`. Empty for
// a class outside 1..3.
CELLWRIGHT_API std::vector<Problem> make_batch(std::uint32_t seed, int difficulty_class);

// ---- Grading and counting solutions ----------------------------------------------------

// How solving a grid step by step stands or ended.
enum class SolveStatus : int {
    step,           // a step was found (a hint)
    solved,         // every cell is filled
    stalled,        // no technique makes progress: the puzzle needs guessing, or has several
                    // solutions
    contradiction,  // the grid cannot be completed (a digit twice in a unit, a cell or a
                    // digit without a place)
};

// Everything the grading of one puzzle finds.
struct Grading {
    int solutions = 0;        // 0, 1, or 2 meaning two or more
    Grid solution{};          // the solution when `solutions` is 1, else all 0
    bool solved = false;      // the ladder alone filled every cell
    LadderCounters counters;  // the ladder's productive passes, solved or not
    // Set only when graded(): solved without naked pairs or triples. Else 0.
    int score = 0;
    int grade = 0;             // 1..10
    int difficulty_class = 0;  // 1..3

    // The rating of every puzzle, beyond the ladder's: the class 1..5 and grade 1..12 (the
    // ladder's own when graded(); 4 and 11 when the ladder needed naked pairs or triples; 5
    // and 12 when it stalls and the step-by-step solver finishes), 0 when neither finishes.
    int rated_class = 0;
    int rated_grade = 0;
    // The step-by-step solver's run from the givens: how it ended (solved, stalled or
    // contradiction), its dearest technique and its steps per technique.
    SolveStatus outcome = SolveStatus::stalled;
    std::optional<Technique> hardest;
    TechniqueSteps steps{};

    bool graded() const noexcept { return grade != 0; }
};

// Grades `givens` as a batch grades its problems: counts the solutions, runs the ladder from
// the givens, and scores the counters when the ladder solved it without naked pairs or
// triples; then rates it with the step-by-step solver. Any puzzle is answered in
// milliseconds. A grid that fails grid_fault has no solution and is solved by neither.
CELLWRIGHT_API Grading grade_puzzle(const Grid& givens) noexcept;

// The number of solutions of a grid, and one of them.
struct SolutionCount {
    int count = 0;    // 0, 1, or 2 meaning two or more
    Grid solution{};  // the solution when `count` is 1, one of them when 2, all 0 when 0
};

// Counts the completions of `grid` by search, stopping at the second. Any grid, however few
// its givens, is answered in milliseconds. A grid that fails grid_fault has none.
CELLWRIGHT_API SolutionCount count_solutions(const Grid& grid) noexcept;

// The difficulty class 1..5 of a grade 1..12; 0 for any other number.
CELLWRIGHT_API int class_of_grade(int grade) noexcept;

// ---- Hints and explanations ------------------------------------------------------------

// Candidates of one cell: bit d-1 of `digits` for digit d.
struct CellDigits {
    int cell = 0;
    unsigned digits = 0;
};

// One deduction, as the step-by-step solver makes it.
struct SolvingStep {
    Technique technique = Technique::box_hidden_single;
    // In words, in r1c1 notation ("X-wing on 3 in rows 2 and 7, columns 4 and 8: r5c4, r6c8
    // <> 3"); the same for the same grid on every platform and in every version of 1.x.
    std::string text;
    // The pattern that proves it: its units (0..8 rows, 9..17 columns, 18..26 boxes) and its
    // cells with the candidates that take part, in the pattern's order (a chain's in chain
    // order).
    std::vector<int> units;
    std::vector<CellDigits> pattern;
    int placed_cell = -1;  // the cell it fills, or -1 when it only removes candidates
    int placed_digit = 0;  // the digit it puts there
    std::vector<CellDigits> eliminations;  // the candidates it removes, cells ascending
};

// A grid solved step by step, or its next step.
struct Explanation {
    SolveStatus status = SolveStatus::stalled;  // `step` only from hint()
    // The outcome in words: "solved", "stalled: no technique applies (the puzzle needs
    // guessing)", or the contradiction ("contradiction: r3c4 has no candidate left"); from
    // hint() with a step, the step's text.
    std::string text;
    std::vector<SolvingStep> steps;
    Grid grid{};  // the grid after the steps: the solution when solved
};

// Solves `grid` step by step, each step the cheapest technique that makes progress, until it
// is full, no technique applies, or a contradiction shows. `grid` may be a puzzle or one
// partly filled by a solver (pencil marks are not taken); a grid that fails grid_fault ends
// at once in a contradiction saying why.
CELLWRIGHT_API Explanation explain(const Grid& grid);

// The next step only (a hint): status `step` with one step, or how the grid stands.
CELLWRIGHT_API Explanation hint(const Grid& grid);

// ---- What every generated problem shows ------------------------------------------------

// The number of filled cells of `grid`.
CELLWRIGHT_API int count_givens(const Grid& grid) noexcept;

// True for a number of givens the generator makes: 24 or 25.
CELLWRIGHT_API bool is_generated_given_count(int givens) noexcept;

// True when a half turn of the grid, (row, column) -> (8 - row, 8 - column), maps the filled
// cells onto filled cells. The generator's patterns all are; those symmetric under a quarter
// turn are half-turn symmetric too.
CELLWRIGHT_API bool is_half_turn_symmetric(const Grid& grid) noexcept;

}  // namespace cellwright
