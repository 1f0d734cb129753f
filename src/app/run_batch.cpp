#include "app/run_batch.hpp"

#include "app/accept_problem.hpp"

namespace cellwright {

int run_batch(int difficulty_class, const BatchEnvironment& environment) {
    std::FILE* console = environment.console;
    const bool guarded = environment.remove_if_interrupted;
    // The empty file exists from here until the batch is written. Interrupts are held back
    // until the handler knows its name, so that none can leave it behind.
    if (guarded) {
        hold_interrupts();
    }
    ProblemFile file =
        open_problem_file(difficulty_class, environment.read_date(), environment.directory);
    if (guarded) {
        if (file.stream != nullptr) {
            remove_on_interrupt(file.path.data());
        }
        release_interrupts();
    }
    if (file.stream == nullptr) {
        std::fprintf(console, "failed to open: %s\n", file.name());
        return 1;
    }

    RandomState random;
    random_seed(random, environment.read_seed());
    ProblemBlock records;
    TechniqueCounters counters;

    std::fprintf(console, "creating problems...\n");
    // One column per problem: "+", 28 "-", "+".
    std::fprintf(console, "+----------------------------+\n");
    for (ProblemRecord& record : records) {
        accept_next_problem(random, difficulty_class, record, counters);
        // The marks carry no line break, so a line-buffered console would hold them back.
        std::fprintf(console, "o");
        std::fflush(console);
    }
    if (!guarded) {
        return finish_batch(file, records, console);
    }
    // Written, the file is no longer the handler's to remove; an interrupt during the writing
    // takes effect once the batch is complete or its file removed.
    hold_interrupts();
    const int status = finish_batch(file, records, console);
    remove_on_interrupt(nullptr);
    release_interrupts();
    return status;
}

int finish_batch(ProblemFile& file, const ProblemBlock& records, std::FILE* console) {
    if (!save_problem_file(file, records)) {
        // End the line of marks as "finished." would, but never claim success.
        std::fprintf(console, "\n");
        std::fprintf(console, "failed to write: %s\n", file.name());
        return 1;
    }
    std::fprintf(console, "\nfinished.\n");
    return 0;
}

}  // namespace cellwright
