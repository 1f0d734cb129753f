#pragma once
// One batch of the program, from the creation of the empty problem file to the 30 problems
// written into it, with a progress mark on the console for each accepted problem.

#include <cstdint>
#include <cstdio>

#include "app/batch_seed.hpp"
#include "app/platform.hpp"
#include "app/problem_file.hpp"

namespace cellwright {

// What a batch takes from the outside world; the defaults are the real ones. Tests put in a
// fixed seed and date, a temporary directory and a captured console.
struct BatchEnvironment {
    std::uint32_t (*read_seed)() = batch_seed;  // read once, after the file is created
    LocalDate (*read_date)() = local_date;      // read once, before the file is named
    const char* directory = "";                 // "" is the current directory
    std::FILE* console = stdout;
    // An interrupt (remove_on_interrupt) while the file is still empty removes it.
    bool remove_if_interrupted = true;
};

// Makes one batch of BATCH_SIZE problems of `difficulty_class` (1..3). Returns the exit
// status: 0 when the file holds the whole batch, 1 when it could not be created ("failed to
// open: ...", nothing generated) or written ("failed to write: ...", the file removed). A run
// ended by an interrupt before the file is written removes the still-empty file.
int run_batch(int difficulty_class, const BatchEnvironment& environment);

// The batch's last step: saves `records` into `file` and prints "\nfinished.\n", or on
// failure "failed to write: ...". Returns the exit status, 0 or 1.
int finish_batch(ProblemFile& file, const ProblemBlock& records, std::FILE* console);

}  // namespace cellwright
