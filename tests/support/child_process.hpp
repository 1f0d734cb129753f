#pragma once
// Starting a real program of this project as a user or a hostile environment would: in a
// directory of the test's choosing, with standard output closed or sent elsewhere, under a
// file-size or address-space limit, and reading what it printed.

#include <sys/types.h>

#include <string>
#include <vector>

namespace cellwright::test {

struct ChildSetup {
    std::vector<std::string> argv;  // argv[0] is the program's path
    std::string directory;          // where it runs
    bool close_stdout = false;      // started with descriptor 1 closed
    std::string stdout_path;        // when not empty, standard output goes to this file
    long file_size_limit = -1;      // bytes; negative for none. SIGXFSZ keeps its default.
    long address_space_limit = -1;  // bytes; negative for none
};

struct Child {
    pid_t process = -1;
    int output = -1;  // read end of a pipe with its standard output (unless closed or sent
                      // elsewhere) and standard error
};

struct Ended {
    int status = -1;  // exit status, -1 when it did not exit
    int signal = 0;   // the signal that ended it, 0 when it exited
    std::string output;
};

Child start_child(const ChildSetup& setup);

// Reads the child's output to its end (unless `output` was closed) and waits for it.
Ended finish_child(Child& child);

}  // namespace cellwright::test
