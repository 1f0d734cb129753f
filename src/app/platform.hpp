#pragma once
// The three services the batch needs from the operating system, plus exclusive creation of a
// file. One implementation per platform (platform_posix.cpp, platform_windows.cpp); the build
// picks the one that fits.

#include <cstdint>
#include <cstdio>

namespace cellwright {

struct LocalDate {
    int year = 0;   // e.g. 2026
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// Today's date on the local calendar.
LocalDate local_date();

// True when a file system entry of that name exists: a file, a directory, or a symbolic link
// even if it points nowhere. An entry that cannot be examined counts as absent.
bool name_exists(const char* path);

// Milliseconds since some fixed moment, wrapping at 2^32; used only as a random seed.
std::uint32_t tick_count();

enum class CreateOutcome {
    created,  // `stream` is open for binary writing on a new, empty file
    taken,    // an entry of that name exists (a link included); nothing was touched
    failed,   // the file could not be created for another reason
};

struct NewFile {
    CreateOutcome outcome = CreateOutcome::failed;
    std::FILE* stream = nullptr;  // set only when `outcome` is created
};

// Creates `path` only if no entry of that name exists, atomically, and never follows a link:
// a file someone else made a moment ago is never opened, let alone truncated.
NewFile create_new_file(const char* path);

}  // namespace cellwright
