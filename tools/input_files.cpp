#include "input_files.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace cellwright::tool {

namespace {

// Reads one input; false (with the reason on `errors`) when reading it failed part way.
bool read_input(std::string_view name, std::istream& in, std::ostream& errors,
                const std::function<void(std::string_view name, std::istream& in)>& read) {
    read(name, in);
    if (!in.bad()) {
        return true;
    }
    errors << std::string(name) + ": read error: " + std::strerror(read_error(in)) + "\n";
    return false;
}

}  // namespace

std::uint64_t for_each_input(
    const std::vector<std::string>& names, std::istream& standard_input, std::ostream& errors,
    const std::function<void(std::string_view name, std::istream& in)>& read) {
    if (names.empty()) {
        return read_input(STANDARD_INPUT_NAME, standard_input, errors, read) ? 0 : 1;
    }
    std::uint64_t unreadable = 0;
    for (const std::string& name : names) {
        if (name == "-") {
            unreadable += read_input(STANDARD_INPUT_NAME, standard_input, errors, read) ? 0 : 1;
            continue;
        }
        std::error_code ignored;
        if (std::filesystem::is_directory(name, ignored)) {
            errors << name + ": cannot open: is a directory\n";
            ++unreadable;
            continue;
        }
        errno = 0;
        std::ifstream file(name, std::ios::binary);
        if (!file) {
            const int error = errno != 0 ? errno : EIO;
            errors << name + ": cannot open: " + std::strerror(error) + "\n";
            ++unreadable;
            continue;
        }
        unreadable += read_input(name, file, errors, read) ? 0 : 1;
    }
    return unreadable;
}

bool strip_byte_order_mark(InputLine& line) {
    constexpr std::string_view MARK = "\xEF\xBB\xBF";
    if (!line.view().starts_with(MARK)) {
        return false;
    }
    std::copy(line.text.begin() + MARK.size(), line.text.begin() + line.length, line.text.begin());
    line.length -= MARK.size();
    return true;
}

std::uint64_t read_puzzles(
    std::string_view name, std::istream& in, std::ostream& errors,
    const std::function<void(std::uint64_t line_number, const PuzzleEntry& entry)>& use) {
    std::uint64_t faults = 0;
    std::uint64_t line_number = 0;
    InputLine line;
    while (read_bounded_line(in, line)) {
        ++line_number;
        if (line_number == 1) {
            strip_byte_order_mark(line);
        }
        if (line.too_long) {
            report_fault(errors, name, line_number,
                         "line longer than " + std::to_string(MAX_LINE_LENGTH) + " characters");
            ++faults;
            continue;
        }
        std::string_view text = line.view();
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        if (text.empty()) {
            report_fault(errors, name, line_number, "empty line");
            ++faults;
            continue;
        }
        PuzzleEntry entry;
        if (InputFault fault = parse_puzzle_line(text, entry)) {
            report_fault(errors, name, line_number, *fault);
            ++faults;
            continue;
        }
        use(line_number, entry);
    }
    if (line_number == 0 && !in.bad()) {
        report_fault(errors, name, 1, "empty input, no puzzle");
        ++faults;
    }
    return faults;
}

std::uint64_t for_each_puzzle(const std::vector<std::string>& names, std::istream& standard_input,
                              std::ostream& errors,
                              const std::function<void(const PuzzleEntry& entry)>& use) {
    std::uint64_t faults = 0;
    const std::uint64_t unreadable =
        for_each_input(names, standard_input, errors, [&](std::string_view name, std::istream& in) {
            faults += read_puzzles(name, in, errors,
                                   [&](std::uint64_t, const PuzzleEntry& entry) { use(entry); });
        });
    return faults + unreadable;
}

void report_fault(std::ostream& out, std::string_view name, std::uint64_t line_number,
                  std::string_view reason) {
    std::string message(name);
    message += ':';
    message += std::to_string(line_number);
    message += ": ";
    message += reason;
    message += '\n';
    out << message;
}

}  // namespace cellwright::tool
