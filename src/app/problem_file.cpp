#include "app/problem_file.hpp"

#include <climits>
#include <cstring>

#include "app/problem_line.hpp"

namespace cellwright {

bool format_problem_file_name(std::span<char> name, const LocalDate& date, int sequence,
                              int difficulty_class) {
    const int length =
        std::snprintf(name.data(), name.size(), "%04d%02d%02d_%02d(%s%d).dat", date.year,
                      date.month, date.day, sequence, "diff", difficulty_class);
    return length > 0 && static_cast<std::size_t>(length) < name.size();
}

ProblemFile open_problem_file(int difficulty_class, const LocalDate& date, const char* directory) {
    ProblemFile file;
    const std::size_t directory_length = std::strlen(directory);
    if (directory_length > 0) {
        if (directory_length + 1 >= file.path.size()) {
            return file;
        }
        std::memcpy(file.path.data(), directory, directory_length);
        file.path[directory_length] = '/';
        file.name_start = directory_length + 1;
    }
    const std::span<char> name = std::span(file.path).subspan(file.name_start);
    // No upper bound but the integer's: the sequence numbers of a day only ever grow.
    for (int sequence = 1; sequence < INT_MAX; ++sequence) {
        if (!format_problem_file_name(name, date, sequence, difficulty_class)) {
            return file;
        }
        if (name_exists(file.path.data())) {
            continue;
        }
        // The existence test keeps the search cheap; the exclusive creation is what makes it
        // safe when another batch takes the same name in between.
        const NewFile created = create_new_file(file.path.data());
        if (created.outcome == CreateOutcome::taken) {
            continue;
        }
        file.stream = created.stream;
        return file;
    }
    return file;
}

bool write_problem_file(std::FILE* stream, std::span<const ProblemRecord> records) {
    for (const ProblemRecord& record : records) {
        const ProblemLine line = format_problem_line(record);
        std::fwrite(line.text.data(), 1, line.length, stream);
        std::fputc('\n', stream);
    }
    return std::ferror(stream) == 0;
}

bool save_problem_file(ProblemFile& file, std::span<const ProblemRecord> records) {
    const bool written = write_problem_file(file.stream, records);
    const bool closed = std::fclose(file.stream) == 0;
    file.stream = nullptr;
    if (written && closed) {
        return true;
    }
    std::remove(file.path.data());
    return false;
}

}  // namespace cellwright
