#pragma once
// The problem file, the only product of a batch: named after the local date, a sequence
// number and the class ("20261208_01(diff2).dat"), created under the first free sequence
// number so that no existing file is ever touched, and holding one problem line per accepted
// problem, each ended by a single line feed and nothing else.

#include <array>
#include <cstddef>
#include <cstdio>
#include <span>

#include "app/platform.hpp"
#include "app/problem_record.hpp"

namespace cellwright {

inline constexpr int BATCH_SIZE = 30;
using ProblemBlock = std::array<ProblemRecord, BATCH_SIZE>;

inline constexpr std::size_t MAX_FILE_PATH = 1024;

struct ProblemFile {
    std::FILE* stream = nullptr;             // null when the file could not be created
    std::array<char, MAX_FILE_PATH> path{};  // the directory and the name, or the name alone
    std::size_t name_start = 0;              // where the name begins in `path`

    const char* name() const { return path.data() + name_start; }
};

// Writes "%04d%02d%02d_%02d(diff%d).dat" for date, sequence number and class into `name`.
// False when it does not fit.
bool format_problem_file_name(std::span<char> name, const LocalDate& date, int sequence,
                              int difficulty_class);

// Creates the problem file of `difficulty_class` for `date` in `directory` ("" for the
// current directory) under the first free sequence number from 1. A name taken by any entry,
// dangling links included, or created by someone else between the existence test and the
// creation, is skipped. On failure `stream` is null and `name()` is the name that failed.
ProblemFile open_problem_file(int difficulty_class, const LocalDate& date, const char* directory);

// Writes each record's problem line and a line feed. False when any write failed; a buffered
// stream may only find out when it is flushed or closed.
bool write_problem_file(std::FILE* stream, std::span<const ProblemRecord> records);

// Writes the records and closes the file. If writing or closing failed (a full disk, say), the
// incomplete file is removed. True when the file holds all records.
bool save_problem_file(ProblemFile& file, std::span<const ProblemRecord> records);

}  // namespace cellwright
