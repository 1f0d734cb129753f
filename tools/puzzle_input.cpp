#include "puzzle_input.hpp"

namespace cellwright::tool {
namespace {

// The tool's form of a parse: the fault, or the entry filled.
InputFault entry_from(const ParsedPuzzle& parsed, PuzzleEntry& entry) {
    if (!parsed.error.empty()) {
        return parsed.error;
    }
    entry = PuzzleEntry{parsed.givens, parsed.grade};
    return std::nullopt;
}

}  // namespace

bool read_bounded_line(std::istream& in, InputLine& line) {
    line.length = 0;
    line.too_long = false;
    line.ended_by_newline = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || !in.good()) {
        return false;
    }
    bool read_any = false;
    for (;;) {
        const auto next = buffer->sbumpc();
        if (next == std::char_traits<char>::eof()) {
            in.setstate(std::ios::eofbit);
            return read_any;
        }
        read_any = true;
        const char c = std::char_traits<char>::to_char_type(next);
        if (c == '\n') {
            line.ended_by_newline = true;
            return true;
        }
        if (line.length < MAX_LINE_LENGTH) {
            line.text[line.length++] = c;
        } else {
            line.too_long = true;
        }
    }
}

InputFault parse_puzzle_line(std::string_view line, PuzzleEntry& entry) {
    return entry_from(parse_puzzle(line), entry);
}

InputFault parse_problem_line(std::string_view line, PuzzleEntry& entry) {
    return entry_from(parse_puzzle(line, PuzzleFormat::problem_line), entry);
}

}  // namespace cellwright::tool
