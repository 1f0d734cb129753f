// cellwright: makes a file of 30 Sudoku problems of the class named on the command line.
#include "app/front_end.hpp"
#include "app/run_batch.hpp"

int main(int argc, char** argv) {
    cellwright::prepare_process();
    if (cellwright::asks_for_version(argc, argv)) {
        cellwright::print_version(stdout);
        return 0;
    }
    const int difficulty_class = cellwright::class_from_arguments(argc, argv);
    if (difficulty_class == 0) {
        cellwright::print_usage(stdout);
        return 0;
    }
    return cellwright::run_batch(difficulty_class, cellwright::BatchEnvironment{});
}
