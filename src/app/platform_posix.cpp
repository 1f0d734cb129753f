#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

}  // namespace cellwright
