#pragma once
// The three services the batch needs from the operating system, plus what every program needs
// to create files safely: exclusive creation, a move into place that replaces nothing unasked,
// and the clean-up of a file that an interrupted run leaves unfinished. One implementation per
// platform (platform_posix.cpp, platform_windows.cpp); the build picks the one that fits.

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

// The operating system's number for this process; distinct among processes running at once.
std::uint32_t process_id();

// Called first thing in `main`. Opens each of standard input, output and error that is closed
// onto the null device, so that no file the program creates takes its number and receives
// console text; and makes a write beyond the file-size limit fail like a full disk instead of
// killing the process, so that the program can remove what it could not finish.
void prepare_process();

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

// Pushes what was written to `stream` down to the disk, so that a file moved into place after
// it is complete even after a power failure. False when the disk reported an error.
bool sync_to_disk(std::FILE* stream);

// True when `stream` is an interactive terminal.
bool is_terminal(std::FILE* stream);

enum class MoveOutcome {
    moved,   // the file now goes by the new name only
    taken,   // an entry of the new name exists (a link included); nothing was touched
    failed,  // errno tells why
};

// Gives the file `from` the name `to` (in the same directory) in one step, so that `to` never
// names a partial file. Without `replace`, only when no entry named `to` exists; with it, an
// existing entry is replaced, a symbolic link itself and never the file it points to.
MoveOutcome move_file(const char* from, const char* to, bool replace);

// Until called again, a run ended by an interrupt (SIGINT, SIGTERM, SIGHUP or SIGPIPE; Ctrl+C
// or Ctrl+Break on Windows) removes `path` before it dies of that signal; nullptr removes
// nothing. An interrupt that the process was started to ignore stays ignored. Returns false
// when the path is too long to be kept.
bool remove_on_interrupt(const char* path);

// Holds interrupts back until `release_interrupts`; one that arrives in between takes effect
// then. Brackets a step, like creating or completing a file, that must not be cut in half.
void hold_interrupts();
void release_interrupts();

}  // namespace cellwright
