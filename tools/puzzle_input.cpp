#include "puzzle_input.hpp"

#include <cerrno>
#include <exception>
#include <system_error>

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

// Where each stream keeps the errno of its failed read.
const int READ_ERROR_SLOT = std::ios_base::xalloc();

}  // namespace

int read_error(std::istream& in) {
    return static_cast<int>(in.iword(READ_ERROR_SLOT));
}

bool read_bounded_line(std::istream& in, InputLine& line) {
    line.length = 0;
    line.too_long = false;
    line.ended_by_newline = false;
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr || !in.good()) {
        return false;
    }
    bool read_any = false;
    try {
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
    } catch (const std::exception& failure) {
        // A file's buffer throws the errno of the failed read as a system error.
        const auto* system = dynamic_cast<const std::system_error*>(&failure);
        const bool has_errno = system != nullptr && system->code().value() != 0 &&
                               (system->code().category() == std::system_category() ||
                                system->code().category() == std::generic_category());
        in.iword(READ_ERROR_SLOT) = has_errno ? system->code().value() : EIO;
    }
    line.length = 0;
    line.too_long = false;
    in.setstate(std::ios::badbit);
    return false;
}

InputFault parse_puzzle_line(std::string_view line, PuzzleEntry& entry) {
    return entry_from(parse_puzzle(line), entry);
}

InputFault parse_problem_line(std::string_view line, PuzzleEntry& entry) {
    return entry_from(parse_puzzle(line, PuzzleFormat::problem_line), entry);
}

}  // namespace cellwright::tool
