#include "app/run_batch.hpp"

#include "app/accept_problem.hpp"

namespace cellwright {

int run_batch(int difficulty_class, const BatchEnvironment& environment) {
    std::FILE* console = environment.console;
    // The empty file exists from here until the batch is written; an interrupted batch
    // leaves it behind.
    ProblemFile file =
        open_problem_file(difficulty_class, environment.read_date(), environment.directory);
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
    return finish_batch(file, records, console);
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
