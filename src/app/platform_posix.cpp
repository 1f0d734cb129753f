#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "app/platform.hpp"

namespace cellwright {

LocalDate local_date() {
    const std::time_t now = std::time(nullptr);
    std::tm calendar{};
    if (localtime_r(&now, &calendar) == nullptr) {
        return {};
    }
    return {calendar.tm_year + 1900, calendar.tm_mon + 1, calendar.tm_mday};
}

bool name_exists(const char* path) {
    // lstat, not stat: a dangling link must count as taken.
    struct stat info;
    return lstat(path, &info) == 0;
}

std::uint32_t tick_count() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto milliseconds = static_cast<std::uint64_t>(now.tv_sec) * 1000u +
                              static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::uint32_t>(milliseconds);
}

std::uint32_t process_id() {
    return static_cast<std::uint32_t>(getpid());
}

void prepare_process() {
    for (int descriptor = 0; descriptor <= 2; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
            // The lowest free number is the closed one.
            const int null_device = open("/dev/null", O_RDWR);
            if (null_device > 2) {
                close(null_device);
            }
        }
    }
    signal(SIGXFSZ, SIG_IGN);
}

NewFile create_new_file(const char* path) {
    // O_EXCL also refuses a symbolic link of that name, dangling or not.
    const int descriptor = open(path, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (descriptor < 0) {
        return {errno == EEXIST ? CreateOutcome::taken : CreateOutcome::failed, nullptr};
    }
    std::FILE* stream = fdopen(descriptor, "wb");
    if (stream == nullptr) {
        close(descriptor);
        unlink(path);
        return {};
    }
    return {CreateOutcome::created, stream};
}

bool sync_to_disk(std::FILE* stream) {
    return std::fflush(stream) == 0 && fsync(fileno(stream)) == 0;
}

bool is_terminal(std::FILE* stream) {
    return isatty(fileno(stream)) != 0;
}

MoveOutcome move_file(const char* from, const char* to, bool replace) {
    if (replace) {
        return rename(from, to) == 0 ? MoveOutcome::moved : MoveOutcome::failed;
    }
#ifdef RENAME_NOREPLACE
    if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
        return MoveOutcome::moved;
    }
    if (errno == EEXIST) {
        return MoveOutcome::taken;
    }
    // Only a file system (or kernel) that does not know the flag goes on to the fallbacks.
    if (errno != EINVAL && errno != ENOSYS) {
        return MoveOutcome::failed;
    }
#endif
    // A hard link is made only under a free name, like an exclusive creation.
    if (link(from, to) == 0) {
        unlink(from);
        return MoveOutcome::moved;
    }
    if (errno == EEXIST) {
        return MoveOutcome::taken;
    }
    if (errno != EPERM && errno != ENOTSUP && errno != EOPNOTSUPP && errno != ENOSYS) {
        return MoveOutcome::failed;
    }
    // A file system without hard links: test, then rename. Only here could a file that
    // appears between the two steps be replaced.
    if (name_exists(to)) {
        errno = EEXIST;
        return MoveOutcome::taken;
    }
    return rename(from, to) == 0 ? MoveOutcome::moved : MoveOutcome::failed;
}

namespace {

constexpr int INTERRUPTS[] = {SIGINT, SIGTERM, SIGHUP, SIGPIPE};

// The handler may only unlink a name formatted beforehand: copying it is not
// async-signal-safe, reading it is.
char interrupt_path[4096];
volatile sig_atomic_t interrupt_path_set = 0;
bool interrupt_handlers_installed = false;
sigset_t mask_before_hold;

extern "C" void remove_and_die(int signal_number) {
    if (interrupt_path_set != 0) {
        unlink(interrupt_path);
    }
    // Raised again with the default action, the signal is delivered as soon as the handler
    // returns, and the process ends as it would have without the handler.
    signal(signal_number, SIG_DFL);
    raise(signal_number);
}

void install_interrupt_handlers() {
    for (const int signal_number : INTERRUPTS) {
        struct sigaction current {};
        if (sigaction(signal_number, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) {
            continue;
        }
        struct sigaction action {};
        action.sa_handler = remove_and_die;
        sigemptyset(&action.sa_mask);
        for (const int other : INTERRUPTS) {
            sigaddset(&action.sa_mask, other);
        }
        sigaction(signal_number, &action, nullptr);
    }
    interrupt_handlers_installed = true;
}

sigset_t interrupt_set() {
    sigset_t set;
    sigemptyset(&set);
    for (const int signal_number : INTERRUPTS) {
        sigaddset(&set, signal_number);
    }
    return set;
}

}  // namespace

bool remove_on_interrupt(const char* path) {
    interrupt_path_set = 0;
    if (path == nullptr) {
        return true;
    }
    const std::size_t length = std::strlen(path);
    if (length >= sizeof interrupt_path) {
        return false;
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
    std::memcpy(interrupt_path, path, length + 1);
    std::atomic_signal_fence(std::memory_order_seq_cst);
    interrupt_path_set = 1;
    if (!interrupt_handlers_installed) {
        install_interrupt_handlers();
    }
    return true;
}

void hold_interrupts() {
    const sigset_t set = interrupt_set();
    pthread_sigmask(SIG_BLOCK, &set, &mask_before_hold);
}

void release_interrupts() {
    pthread_sigmask(SIG_SETMASK, &mask_before_hold, nullptr);
}

}  // namespace cellwright
