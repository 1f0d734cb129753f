#pragma once
// Every puzzle source cellwright-tool reads, one format per input, found from the input's
// first line that is not blank or a comment, or named with --input-format:
//
//   line   81 cells a line ("." "0" "_" "*" empty; blanks and a "#" comment ignored), 162
//          with the solution after the puzzle; when found rather than named, a line holding
//          "/" is read as a problem line, so the two may be mixed
//   dat    problem lines, grade/row/.../row/, as the batch and `generate` write them
//   json   JSON Lines as `generate` and `grade` write them: the puzzle under "givens" (or
//          "puzzle"), and "solution" and "grade" when present (null is absent)
//   csv    a header line naming the puzzle column (givens, puzzle, puzzles, quizzes or
//          problem), and optionally a solution and a grade column; "," ";" or tab between fields
//   grid   nine lines of nine cells, blanks and "|" "-" "+" decoration tolerated, grids
//          parted by anything or nothing
//
// Blank lines are skipped in every format, comment lines ("#") in line, dat and grid. A
// solution a record carries is checked against its puzzle; a grade must be one the tool gives.
// Each bad record is reported as "NAME:LINE: reason" and reading goes on.

#include <array>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "puzzle_input.hpp"

namespace cellwright::tool {

enum class InputFormat { automatic, line, dat, json, csv, grid };

// The --input-format names.
inline constexpr std::array<std::pair<const char*, InputFormat>, 6> INPUT_FORMAT_NAMES{{
    {"auto", InputFormat::automatic},
    {"line", InputFormat::line},
    {"dat", InputFormat::dat},
    {"json", InputFormat::json},
    {"csv", InputFormat::csv},
    {"grid", InputFormat::grid},
}};

// The format the first meaningful line of an input is in (line for a problem line too).
InputFormat detect_input_format(std::string_view line);

// True for a line that holds nothing but blanks, or a "#" comment after them.
bool is_blank_or_comment(std::string_view line);

// Where a record starts: the input's name and its line, from 1.
struct RecordPlace {
    std::string_view name;
    std::uint64_t line = 0;
};

using PuzzleUse = std::function<void(const RecordPlace& place, const PuzzleEntry& entry)>;

// Reads the puzzles of one input from its lines, fed one at a time, and hands each good one
// to `use`; faults go to `errors`.
class PuzzleReader {
  public:
    PuzzleReader(std::string_view name, InputFormat format, std::ostream& errors, PuzzleUse use);

    // The next line, numbered from 1, without its line feed; a carriage return before it is
    // dropped here.
    void take(std::uint64_t line_number, const InputLine& line);

    // Ends the input after `lines` lines: reports a grid left unfinished and, unless reading
    // failed, an input without any puzzle or fault.
    void finish(std::uint64_t lines, bool read_failed);

    std::uint64_t faults() const { return faults_; }

  private:
    void fault(std::uint64_t line_number, std::string_view reason);
    // Hands `entry` on, unless `failed` or its grade belongs to no class: then reports it.
    void deliver(std::uint64_t line_number, const InputFault& failed, const PuzzleEntry& entry);
    void take_line(std::uint64_t line_number, std::string_view text);
    void take_json(std::uint64_t line_number, std::string_view text);
    void take_csv(std::uint64_t line_number, std::string_view text);
    void take_grid(std::uint64_t line_number, std::string_view text);
    void end_grid();

    std::string name_;
    InputFormat format_;
    bool detected_ = false;  // the format came from the input, not the command line
    std::ostream& errors_;
    PuzzleUse use_;
    std::uint64_t faults_ = 0;
    std::uint64_t puzzles_ = 0;

    // csv: the header's delimiter and columns, once read
    struct CsvColumns {
        char delimiter = ',';
        std::size_t givens = 0;
        std::optional<std::size_t> solution;
        std::optional<std::size_t> grade;
    };
    std::optional<CsvColumns> csv_;
    bool csv_unreadable_ = false;  // the header names no puzzle column

    // grid: the lines of the grid under way, from its first row
    std::string grid_text_;
    std::uint64_t grid_first_line_ = 0;
    int grid_rows_ = 0;
};

// Reads every puzzle of the input `in` named `name`. Tolerates a UTF-8 byte-order mark at its
// start. Returns the number of faults reported.
std::uint64_t read_puzzles(std::string_view name, std::istream& in, InputFormat format,
                           std::ostream& errors, const PuzzleUse& use);

}  // namespace cellwright::tool
