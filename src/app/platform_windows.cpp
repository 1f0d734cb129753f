#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>

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

}  // namespace cellwright
