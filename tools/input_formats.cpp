#include "input_formats.hpp"

#include <algorithm>
#include <cctype>
#include <ostream>

#include <nlohmann/json.hpp>

#include "csv_text.hpp"
#include "input_files.hpp"
#include "records.hpp"

namespace cellwright::tool {
namespace {

// Field and column names under which other files keep a puzzle, a solution and a grade; the
// first of each is the one cellwright-tool writes.
constexpr std::array<std::string_view, 5> GIVENS_NAMES{GIVENS_FIELD, "puzzle", "puzzles", "quizzes",
                                                       "problem"};
// A "solutions" holding a number is the count grade writes, not a solution.
constexpr std::array<std::string_view, 2> SOLUTION_NAMES{SOLUTION_FIELD, "solutions"};
constexpr std::array<char, 3> CSV_DELIMITERS{',', ';', '\t'};

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_decoration(char c) {
    return c == '|' || c == '-' || c == '+';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && is_blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && is_blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::string_view without_comment(std::string_view text) {
    return text.substr(0, text.find('#'));
}

std::string lower_case(std::string_view text) {
    std::string lower(trimmed(text));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The first column of `names` that is one of `wanted`, by the order of `wanted`.
template <std::size_t N>
std::optional<std::size_t> column_named(const std::vector<std::string>& names,
                                        const std::array<std::string_view, N>& wanted) {
    for (const std::string_view name : wanted) {
        for (std::size_t column = 0; column < names.size(); ++column) {
            if (lower_case(names[column]) == name) {
                return column;
            }
        }
    }
    return std::nullopt;
}

// The delimiter of a csv header line that names a puzzle column.
std::optional<char> csv_header_delimiter(std::string_view line) {
    for (const char delimiter : CSV_DELIMITERS) {
        if (line.find(delimiter) == std::string_view::npos && delimiter != ',') {
            continue;
        }
        const auto names = split_csv(line, delimiter);
        if (names && column_named(*names, GIVENS_NAMES)) {
            return delimiter;
        }
    }
    return std::nullopt;
}

// A line of a grid that holds more than blanks, decoration and a comment: a row, or junk
// where a row belongs.
bool holds_cells(std::string_view line) {
    const std::string_view text = without_comment(line);
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return !is_blank(c) && !is_decoration(c); });
}

// The solution `text` states for the puzzle of `entry`, checked, into `entry`.
InputFault read_solution(std::string_view text, PuzzleEntry& entry) {
    const ParsedPuzzle solution = parse_puzzle(text, PuzzleFormat::line);
    if (!solution.error.empty()) {
        return "solution: " + solution.error;
    }
    if (std::string fault = solution_fault(entry.givens, solution.givens); !fault.empty()) {
        return fault;
    }
    entry.solution = solution.givens;
    return std::nullopt;
}

// A grade field: a whole number (its range is judged with the record).
InputFault read_grade(std::string_view text, PuzzleEntry& entry) {
    const std::string_view digits = trimmed(text);
    if (digits.empty() || digits.size() > 2 ||
        !std::all_of(digits.begin(), digits.end(),
                     [](char c) { return std::isdigit(static_cast<unsigned char>(c)); })) {
        return "grade: '" + std::string(digits) + "' is not a grade";
    }
    entry.grade = std::stoi(std::string(digits));
    return std::nullopt;
}

// The puzzle of a field: a line or a problem line, whose grade it then carries.
InputFault read_givens(std::string_view field_name, std::string_view text, PuzzleEntry& entry) {
    if (InputFault fault = entry_from(parse_puzzle(trimmed(text)), entry)) {
        return std::string(field_name) + ": " + *fault;
    }
    return std::nullopt;
}

// "\"solution\" is not a string", built piece by piece: g++ 12 warns falsely on "\"" + a string.
std::string not_a_string(std::string_view field) {
    std::string text = "\"";
    text += field;
    text += "\" is not a string";
    return text;
}

// The message of a JSON parse error (or of a number too large for a double, which the library
// reports as out of range) without the library's prefix and its "line 1".
std::string json_fault(const nlohmann::json::exception& error) {
    std::string text = error.what();
    const std::size_t start = text.find("] ");
    text = start == std::string::npos ? text : text.substr(start + 2);
    const std::string line_one = "parse error at line 1, ";
    if (text.starts_with(line_one)) {
        text = text.substr(line_one.size());
    }
    return "not valid JSON: " + text;
}

InputFault entry_from_json(std::string_view line, PuzzleEntry& entry) {
    nlohmann::json record;
    try {
        record = nlohmann::json::parse(line);
    } catch (const nlohmann::json::exception& error) {
        return json_fault(error);
    }
    if (!record.is_object()) {
        return std::string("not a JSON object");
    }
    const auto givens = std::find_if(GIVENS_NAMES.begin(), GIVENS_NAMES.end(),
                                     [&](std::string_view name) { return record.contains(name); });
    if (givens == GIVENS_NAMES.end()) {
        return std::string("no \"") + GIVENS_FIELD + "\" (or \"puzzle\") in the record";
    }
    const nlohmann::json& puzzle = record[std::string(*givens)];
    if (!puzzle.is_string()) {
        return not_a_string(*givens);
    }
    if (InputFault fault = read_givens(*givens, puzzle.get<std::string>(), entry)) {
        return fault;
    }
    for (const std::string_view name : SOLUTION_NAMES) {
        const auto found = record.find(name);
        if (found == record.end() || found->is_null() ||
            (name != SOLUTION_FIELD && found->is_number())) {
            continue;
        }
        if (!found->is_string()) {
            return not_a_string(name);
        }
        if (InputFault fault = read_solution(found->get<std::string>(), entry)) {
            return fault;
        }
        break;
    }
    const auto grade = record.find(GRADE_FIELD);
    if (grade != record.end() && !grade->is_null()) {
        if (!grade->is_number_integer()) {
            return std::string("\"grade\" is not a whole number");
        }
        const auto value = grade->get<std::int64_t>();
        entry.grade = value >= 0 && value < 100 ? static_cast<std::int32_t>(value) : 100;
    }
    return std::nullopt;
}

}  // namespace

bool is_blank_or_comment(std::string_view line) {
    const std::string_view text = trimmed(line);
    return text.empty() || text.front() == '#';
}

InputFormat detect_input_format(std::string_view line) {
    const std::string_view text = trimmed(line);
    if (text.starts_with('{')) {
        return InputFormat::json;
    }
    if (csv_header_delimiter(text)) {
        return InputFormat::csv;
    }
    if (text.find('/') != std::string_view::npos) {
        return InputFormat::dat;
    }
    const std::string_view cells = without_comment(text);
    const auto count = std::count_if(cells.begin(), cells.end(),
                                     [](char c) { return !is_blank(c) && !is_decoration(c); });
    if (count == 9 || (count == 0 && !cells.empty())) {
        return InputFormat::grid;
    }
    return InputFormat::line;
}

PuzzleReader::PuzzleReader(std::string_view name, InputFormat format, std::ostream& errors,
                           PuzzleUse use)
    : name_(name), format_(format), errors_(errors), use_(std::move(use)) {}

void PuzzleReader::fault(std::uint64_t line_number, std::string_view reason) {
    report_fault(errors_, name_, line_number, reason);
    ++faults_;
}

void PuzzleReader::deliver(std::uint64_t line_number, const InputFault& failed,
                           const PuzzleEntry& entry) {
    if (failed) {
        fault(line_number, *failed);
        return;
    }
    if (entry.grade != 0 && class_of_grade(entry.grade) == 0) {
        fault(line_number, "grade " + std::to_string(entry.grade) + " belongs to no class");
        return;
    }
    ++puzzles_;
    use_(RecordPlace{name_, line_number}, entry);
}

void PuzzleReader::take(std::uint64_t line_number, const InputLine& line) {
    if (line.too_long) {
        fault(line_number, "line longer than " + std::to_string(MAX_LINE_LENGTH) + " characters");
        grid_text_.clear();
        grid_rows_ = 0;
        return;
    }
    std::string_view text = line.view();
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    if (format_ == InputFormat::automatic) {
        if (is_blank_or_comment(text)) {
            return;
        }
        format_ = detect_input_format(text);
        detected_ = true;
    }
    switch (format_) {
        case InputFormat::json:
            take_json(line_number, text);
            break;
        case InputFormat::csv:
            take_csv(line_number, text);
            break;
        case InputFormat::grid:
            take_grid(line_number, text);
            break;
        default:
            take_line(line_number, text);
    }
}

void PuzzleReader::take_line(std::uint64_t line_number, std::string_view text) {
    if (is_blank_or_comment(text)) {
        return;
    }
    // A problem line is read exactly, but for blanks and a comment around it.
    const bool problem_line =
        detected_ ? text.find('/') != std::string_view::npos : format_ == InputFormat::dat;
    const ParsedPuzzle parsed =
        problem_line ? parse_puzzle(trimmed(without_comment(text)), PuzzleFormat::problem_line)
                     : parse_puzzle(text, PuzzleFormat::line);
    PuzzleEntry entry;
    const InputFault failed = entry_from(parsed, entry);
    deliver(line_number, failed, entry);
}

void PuzzleReader::take_json(std::uint64_t line_number, std::string_view text) {
    if (trimmed(text).empty()) {
        return;
    }
    PuzzleEntry entry;
    const InputFault failed = entry_from_json(text, entry);
    deliver(line_number, failed, entry);
}

void PuzzleReader::take_csv(std::uint64_t line_number, std::string_view text) {
    if (trimmed(text).empty() || csv_unreadable_) {
        return;
    }
    if (!csv_) {
        const char delimiter = csv_header_delimiter(text).value_or(',');
        const auto names = split_csv(text, delimiter);
        const std::optional<std::size_t> givens =
            names ? column_named(*names, GIVENS_NAMES) : std::nullopt;
        if (!givens) {
            fault(line_number,
                  "the CSV header names no puzzle column (givens, puzzle, puzzles, quizzes or "
                  "problem)");
            csv_unreadable_ = true;
            return;
        }
        csv_ = CsvColumns{delimiter, *givens, column_named(*names, SOLUTION_NAMES),
                          column_named(*names, std::array<std::string_view, 1>{GRADE_FIELD})};
        return;
    }
    const auto fields = split_csv(text, csv_->delimiter);
    if (!fields) {
        fault(line_number, "a quoted field is not closed, or text follows its closing quote");
        return;
    }
    if (fields->size() <= csv_->givens) {
        fault(line_number, std::to_string(fields->size()) + " fields; the puzzle is field " +
                               std::to_string(csv_->givens + 1));
        return;
    }
    PuzzleEntry entry;
    InputFault failed = read_givens(GIVENS_FIELD, (*fields)[csv_->givens], entry);
    const auto present = [&](const std::optional<std::size_t>& column) {
        return column && *column < fields->size() && !trimmed((*fields)[*column]).empty();
    };
    if (!failed && present(csv_->solution)) {
        failed = read_solution(trimmed((*fields)[*csv_->solution]), entry);
    }
    if (!failed && present(csv_->grade)) {
        failed = read_grade((*fields)[*csv_->grade], entry);
    }
    deliver(line_number, failed, entry);
}

void PuzzleReader::take_grid(std::uint64_t line_number, std::string_view text) {
    const bool row = holds_cells(text);
    if (grid_rows_ == 0) {
        if (!row) {
            return;  // frame, blank and comment lines between grids
        }
        grid_first_line_ = line_number;
        grid_text_.clear();
    } else if (trimmed(text).empty() && grid_rows_ % 3 != 0) {
        // A blank line may part the bands of a grid, but one inside a band ends it: a short
        // grid must not take the rows of the next.
        end_grid();
        return;
    }
    grid_text_ += text;
    grid_text_ += '\n';
    if (row && ++grid_rows_ == 9) {
        end_grid();
    }
}

void PuzzleReader::end_grid() {
    if (grid_rows_ == 0) {
        return;
    }
    const ParsedPuzzle parsed = parse_puzzle(grid_text_, PuzzleFormat::grid);
    const std::uint64_t line_number =
        grid_first_line_ + static_cast<std::uint64_t>(std::max(parsed.error_line, 1) - 1);
    grid_text_.clear();
    grid_rows_ = 0;
    PuzzleEntry entry;
    const InputFault failed = entry_from(parsed, entry);
    deliver(failed ? line_number : grid_first_line_, failed, entry);
}

void PuzzleReader::finish(std::uint64_t lines, bool read_failed) {
    end_grid();
    if (!read_failed && puzzles_ == 0 && faults_ == 0) {
        fault(1, lines == 0 ? "empty input, no puzzle" : "no puzzle in the input");
    }
}

std::uint64_t read_puzzles(std::string_view name, std::istream& in, InputFormat format,
                           std::ostream& errors, const PuzzleUse& use) {
    PuzzleReader reader(name, format, errors, use);
    std::uint64_t line_number = 0;
    InputLine line;
    while (read_bounded_line(in, line)) {
        if (++line_number == 1) {
            strip_byte_order_mark(line);
        }
        reader.take(line_number, line);
    }
    reader.finish(line_number, in.bad());
    return reader.faults();
}

}  // namespace cellwright::tool
