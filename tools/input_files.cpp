#include "input_files.hpp"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>

namespace cellwright::tool {

int for_each_input(const std::vector<std::string>& names, std::istream& standard_input,
                   std::ostream& errors,
                   const std::function<void(std::string_view name, std::istream& in)>& read) {
    if (names.empty()) {
        read(STANDARD_INPUT_NAME, standard_input);
        return 0;
    }
    int unreadable = 0;
    for (const std::string& name : names) {
        if (name == "-") {
            read(STANDARD_INPUT_NAME, standard_input);
            continue;
        }
        std::error_code ignored;
        if (std::filesystem::is_directory(name, ignored)) {
            errors << name << ": cannot open: is a directory\n";
            ++unreadable;
            continue;
        }
        std::ifstream file(name, std::ios::binary);
        if (!file) {
            errors << name << ": cannot open: " << std::strerror(errno) << '\n';
            ++unreadable;
            continue;
        }
        read(name, file);
    }
    return unreadable;
}

int read_puzzles(std::string_view name, std::istream& in, std::ostream& errors,
                 const std::function<void(int line_number, const PuzzleEntry& entry)>& use) {
    int faults = 0;
    int line_number = 0;
    InputLine line;
    while (read_bounded_line(in, line)) {
        ++line_number;
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
    if (line_number == 0) {
        report_fault(errors, name, 1, "empty input, no puzzle");
        ++faults;
    }
    return faults;
}

int for_each_puzzle(const std::vector<std::string>& names, std::istream& standard_input,
                    std::ostream& errors,
                    const std::function<void(const PuzzleEntry& entry)>& use) {
    int faults = 0;
    const int unreadable =
        for_each_input(names, standard_input, errors, [&](std::string_view name, std::istream& in) {
            faults +=
                read_puzzles(name, in, errors, [&](int, const PuzzleEntry& entry) { use(entry); });
        });
    return faults + unreadable;
}

void report_fault(std::ostream& out, std::string_view name, int line_number,
                  std::string_view reason) {
    out << name << ':' << line_number << ": " << reason << '\n';
}

}  // namespace cellwright::tool
