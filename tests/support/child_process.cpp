#include "support/child_process.hpp"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace cellwright::test {

Child start_child(const ChildSetup& setup) {
    int ends[2];
    if (pipe(ends) != 0) {
        return {};
    }
    // Everything the child needs is prepared before fork: after it, only system calls.
    std::vector<char*> argv;
    for (const std::string& word : setup.argv) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t process = fork();
    if (process == 0) {
        close(ends[0]);
        dup2(ends[1], STDERR_FILENO);
        if (setup.close_stdout) {
            close(STDOUT_FILENO);
        } else if (!setup.stdout_path.empty()) {
            const int file = open(setup.stdout_path.c_str(), O_WRONLY);
            dup2(file, STDOUT_FILENO);
            close(file);
        } else {
            dup2(ends[1], STDOUT_FILENO);
        }
        close(ends[1]);
        // The signals under test take their default action, whatever the test runner ignores.
        for (const int signal_number : {SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGXFSZ}) {
            signal(signal_number, SIG_DFL);
        }
        if (setup.file_size_limit >= 0) {
            const rlimit limit{static_cast<rlim_t>(setup.file_size_limit),
                               static_cast<rlim_t>(setup.file_size_limit)};
            setrlimit(RLIMIT_FSIZE, &limit);
        }
        if (setup.address_space_limit >= 0) {
            const rlimit limit{static_cast<rlim_t>(setup.address_space_limit),
                               static_cast<rlim_t>(setup.address_space_limit)};
            setrlimit(RLIMIT_AS, &limit);
        }
        if (chdir(setup.directory.c_str()) == 0) {
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    close(ends[1]);
    return {process, ends[0]};
}

Ended finish_child(Child& child) {
    Ended ended;
    if (child.output >= 0) {
        char chunk[512];
        for (ssize_t got; (got = read(child.output, chunk, sizeof chunk)) > 0;) {
            ended.output.append(chunk, static_cast<std::size_t>(got));
        }
        close(child.output);
        child.output = -1;
    }
    int status = 0;
    if (waitpid(child.process, &status, 0) == child.process) {
        if (WIFEXITED(status)) {
            ended.status = WEXITSTATUS(status);
        } else if (WIFSIGNALED(status)) {
            ended.signal = WTERMSIG(status);
        }
    }
    return ended;
}

}  // namespace cellwright::test
