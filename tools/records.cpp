#include "records.hpp"

#include "csv_text.hpp"
#include "json_text.hpp"

namespace cellwright::tool {
namespace {

template <class T>
Json nullable(const std::optional<T>& value) {
    return value ? Json(*value) : Json(nullptr);
}

Json cells(const Grid& grid) {
    return format_puzzle(grid, PuzzleFormat::line);
}

Json counters_json(const LadderCounters& counters) {
    Json object = Json::object();
    object["box_single_passes"] = counters.box_single_passes;
    object["locked_candidate_sweeps"] = counters.locked_candidate_sweeps;
    object["naked_single_scans"] = counters.naked_single_scans;
    object["line_single_passes"] = counters.line_single_passes;
    object["naked_pair_sweeps"] = counters.naked_pair_sweeps;
    object["naked_triple_sweeps"] = counters.naked_triple_sweeps;
    return object;
}

Json technique_or_null(const std::optional<Technique>& technique) {
    return technique ? Json(technique_key(*technique)) : Json(nullptr);
}

// {"box_hidden_single": n, ...} in the order of the techniques: only those used, or with
// `every_key` all of them, so that each has its own csv column.
Json steps_json(const TechniqueSteps& steps, bool every_key) {
    Json object = Json::object();
    for (int i = 0; i < TECHNIQUE_COUNT; ++i) {
        if (every_key || steps[i] != 0) {
            object[technique_key(static_cast<Technique>(i))] = steps[i];
        }
    }
    return object;
}

enum Kinds : unsigned { GENERATED = 1, GRADED = 2, BOTH = GENERATED | GRADED };

// One field of a record: its name, the records that have it, and its value. A value that is
// an object spreads over one csv column per key, so in csv it must be an object with the same
// keys in every record: `csv_value`, when set, gives that form.
struct Field {
    const char* name;
    unsigned kinds;
    Json (*value)(const PuzzleRecord& record);
    Json (*csv_value)(const PuzzleRecord& record) = nullptr;
};

// Every field, in the order records write them. The order of generate's fields is that of
// the outputs pinned as stable across versions.
const Field FIELDS[] = {
    {"index", GENERATED, [](const PuzzleRecord& r) -> Json { return r.index; }},
    {"seed", GENERATED, [](const PuzzleRecord& r) -> Json { return r.seed; }},
    {"class", BOTH, [](const PuzzleRecord& r) { return nullable(r.difficulty_class); }},
    {GRADE_FIELD, BOTH, [](const PuzzleRecord& r) { return nullable(r.grade); }},
    {"score", BOTH, [](const PuzzleRecord& r) { return nullable(r.score); }},
    {"solutions", GRADED, [](const PuzzleRecord& r) -> Json { return r.solutions; }},
    {"solved", GRADED, [](const PuzzleRecord& r) -> Json { return r.solved; }},
    {"counters", BOTH, [](const PuzzleRecord& r) { return counters_json(r.counters); }},
    {GIVENS_FIELD, BOTH, [](const PuzzleRecord& r) { return cells(r.givens); }},
    {SOLUTION_FIELD, BOTH,
     [](const PuzzleRecord& r) { return r.solution ? cells(*r.solution) : Json(nullptr); }},
    // The step-by-step solver's rating, which goes beyond the ladder's classes 1..3.
    {"rated_class", GRADED, [](const PuzzleRecord& r) { return nullable(r.rated_class); }},
    {"rated_grade", GRADED, [](const PuzzleRecord& r) { return nullable(r.rated_grade); }},
    {"outcome", GRADED, [](const PuzzleRecord& r) -> Json { return status_key(r.outcome); }},
    {"hardest", BOTH, [](const PuzzleRecord& r) { return technique_or_null(r.hardest); }},
    {"steps", BOTH, [](const PuzzleRecord& r) { return steps_json(r.steps, false); },
     [](const PuzzleRecord& r) { return steps_json(r.steps, true); }},
    // Which version of the library made the record.
    {"version", BOTH, [](const PuzzleRecord&) -> Json { return version(); }},
};

bool has_field(const Field& field, RecordKind kind) {
    return (field.kinds & (kind == RecordKind::generated ? GENERATED : GRADED)) != 0;
}

Json record_json(const PuzzleRecord& record, bool csv) {
    Json object = Json::object();
    for (const Field& field : FIELDS) {
        if (has_field(field, record.kind)) {
            object[field.name] =
                csv && field.csv_value != nullptr ? field.csv_value(record) : field.value(record);
        }
    }
    return object;
}

std::string csv_cell(const Json& value) {
    if (value.is_null()) {
        return {};
    }
    return value.is_string() ? csv_field(value.get<std::string>()) : value.dump();
}

// The csv columns of `record`: the name of each column with `column(name, value)`.
template <class Column>
void for_each_column(const PuzzleRecord& record, Column&& column) {
    const Json object = record_json(record, true);
    for (const auto& [name, value] : object.items()) {
        if (value.is_object()) {
            for (const auto& [inner, inner_value] : value.items()) {
                column(inner, inner_value);
            }
        } else {
            column(name, value);
        }
    }
}

std::string csv_line(const PuzzleRecord& record, bool header) {
    std::string line;
    bool first = true;
    for_each_column(record, [&](const std::string& name, const Json& value) {
        line += first ? "" : ",";
        first = false;
        line += header ? csv_field(name) : csv_cell(value);
    });
    return line + '\n';
}

}  // namespace

const char* status_key(SolveStatus status) {
    switch (status) {
        case SolveStatus::step:
            return "step";
        case SolveStatus::solved:
            return "solved";
        case SolveStatus::stalled:
            return "stalled";
        case SolveStatus::contradiction:
            return "contradiction";
    }
    return "";
}

PuzzleRecord generated_record(std::uint64_t index, std::uint64_t seed, const Problem& problem) {
    PuzzleRecord record;
    record.kind = RecordKind::generated;
    record.index = index;
    record.seed = seed;
    record.givens = problem.givens;
    record.solution = problem.solution;
    record.solutions = 1;
    record.solved = true;
    record.counters = problem.counters;
    // Only the ladder's classes have a score.
    if (problem.difficulty_class <= 3) {
        record.score = problem.score;
    }
    record.grade = problem.grade;
    record.difficulty_class = problem.difficulty_class;
    record.hardest = problem.hardest;
    record.steps = problem.steps;
    return record;
}

PuzzleRecord graded_record(const Grid& givens, const Grading& grading) {
    PuzzleRecord record;
    record.kind = RecordKind::graded;
    record.givens = givens;
    if (grading.solutions == 1) {
        record.solution = grading.solution;
    }
    record.solutions = grading.solutions;
    record.solved = grading.solved;
    record.counters = grading.counters;
    if (grading.graded()) {
        record.score = grading.score;
        record.grade = grading.grade;
        record.difficulty_class = grading.difficulty_class;
    }
    if (grading.rated_class != 0) {
        record.rated_class = grading.rated_class;
        record.rated_grade = grading.rated_grade;
    }
    record.outcome = grading.outcome;
    record.hardest = grading.hardest;
    record.steps = grading.steps;
    return record;
}

std::optional<RecordFormat> record_format_named(const std::string& name) {
    if (name == "dat") {
        return RecordFormat::dat;
    }
    if (name == "line") {
        return RecordFormat::line;
    }
    if (name == "json") {
        return RecordFormat::json;
    }
    if (name == "csv") {
        return RecordFormat::csv;
    }
    return std::nullopt;
}

std::string record_header(RecordFormat format, RecordKind kind) {
    if (format != RecordFormat::csv) {
        return {};
    }
    PuzzleRecord empty;
    empty.kind = kind;
    return csv_line(empty, true);
}

std::string format_record(const PuzzleRecord& record, RecordFormat format, bool with_solution) {
    switch (format) {
        case RecordFormat::dat: {
            const std::string line =
                format_puzzle(record.givens, PuzzleFormat::problem_line, record.grade.value_or(0));
            return line.empty() ? line : line + '\n';
        }
        case RecordFormat::line: {
            std::string line = format_puzzle(record.givens, PuzzleFormat::line);
            if (with_solution && record.solution) {
                line += ' ' + format_puzzle(*record.solution, PuzzleFormat::line);
            }
            return line + '\n';
        }
        case RecordFormat::json:
            return json_text(record_json(record, false)) + '\n';
        case RecordFormat::csv:
            return csv_line(record, false);
    }
    return {};
}

}  // namespace cellwright::tool
