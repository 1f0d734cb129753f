#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <csignal>
#include <cstdint>
#include <cstring>

#include "app/platform.hpp"

namespace cellwright {

LocalDate local_date() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay};
}

bool name_exists(const char* path) {
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

std::uint32_t tick_count() {
    return GetTickCount();
}

std::uint32_t process_id() {
    return GetCurrentProcessId();
}

void prepare_process() {
    // Windows has no file-size signal, and a program started without a console gets standard
    // streams that are not open rather than numbers that a new file could take.
}

NewFile create_new_file(const char* path) {
    // CREATE_NEW fails when any entry of that name exists; it never replaces one. Opening the
    // reparse point itself keeps a symbolic link of that name, dangling or not, from being
    // followed to create its target.
    HANDLE handle = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        const bool taken = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return {taken ? CreateOutcome::taken : CreateOutcome::failed, nullptr};
    }
    // Hand the handle to the C runtime so that the file is written with formatted printing.
    const int descriptor =
        _open_osfhandle(reinterpret_cast<std::intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor == -1) {
        CloseHandle(handle);
        DeleteFileA(path);
        return {};
    }
    std::FILE* stream = _fdopen(descriptor, "wb");
    if (stream == nullptr) {
        _close(descriptor);
        DeleteFileA(path);
        return {};
    }
    return {CreateOutcome::created, stream};
}

bool sync_to_disk(std::FILE* stream) {
    return std::fflush(stream) == 0 && _commit(_fileno(stream)) == 0;
}

bool is_terminal(std::FILE* stream) {
    return _isatty(_fileno(stream)) != 0;
}

MoveOutcome move_file(const char* from, const char* to, bool replace) {
    // Without MOVEFILE_REPLACE_EXISTING the move fails when any entry of the new name exists.
    if (MoveFileExA(from, to, replace ? MOVEFILE_REPLACE_EXISTING : 0)) {
        return MoveOutcome::moved;
    }
    const DWORD error = GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        return MoveOutcome::taken;
    }
    return MoveOutcome::failed;
}

namespace {

constexpr int INTERRUPTS[] = {SIGINT, SIGTERM, SIGBREAK};

char interrupt_path[MAX_PATH];
volatile std::sig_atomic_t interrupt_path_set = 0;
bool interrupt_handlers_installed = false;

// The C runtime runs console interrupts on a thread of their own, where deleting a file is
// allowed.
extern "C" void remove_and_die(int signal_number) {
    if (interrupt_path_set != 0) {
        DeleteFileA(interrupt_path);
    }
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
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
    std::memcpy(interrupt_path, path, length + 1);
    interrupt_path_set = 1;
    if (!interrupt_handlers_installed) {
        for (const int signal_number : INTERRUPTS) {
            std::signal(signal_number, remove_and_die);
        }
        interrupt_handlers_installed = true;
    }
    return true;
}

// Console interrupts cannot be held back on Windows; the steps they bracket are short.
void hold_interrupts() {}
void release_interrupts() {}

}  // namespace cellwright
