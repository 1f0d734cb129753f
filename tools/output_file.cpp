#include "output_file.hpp"

#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/platform.hpp"
#include "console_streams.hpp"

namespace cellwright::tool {
namespace {

// "DIR/.NAME.partial-1a2b3c4d" for "DIR/NAME": hidden, in the same directory (so that the
// move stays on one file system), and named for what it is should a crash leave it behind.
std::string temporary_name(const std::string& path, std::uint32_t salt) {
    const std::size_t slash = path.rfind('/');
    const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".partial-%08x", static_cast<unsigned>(salt));
    return path.substr(0, name_start) + "." + path.substr(name_start) + suffix;
}

std::string reason(int error) {
    return std::strerror(error != 0 ? error : EIO);
}

}  // namespace

OutputFile::~OutputFile() {
    discard();
}

OutputFault OutputFile::open(const std::string& path, bool replace, const char* replace_option) {
    discard();
    path_ = path;
    replace_ = replace;
    replace_option_ = replace_option != nullptr ? replace_option : "";
    const std::string refused =
        path + ": already exists, not overwritten" +
        (replace_option_.empty() ? "" : " (" + replace_option_ + " replaces it)");
    if (!replace && name_exists(path.c_str())) {
        return refused;
    }
    if (path.empty() || path.back() == '/') {
        return path + ": cannot create: not a file name";
    }
    // Interrupts wait until the handler knows the name of the file just created.
    hold_interrupts();
    // Only a start: a taken name is skipped.
    const std::uint32_t salt = tick_count() ^ process_id();
    for (std::uint32_t attempt = 0; attempt < 100; ++attempt) {
        const std::string candidate = temporary_name(path, salt + attempt * 0x9E3779B9u);
        const NewFile created = create_new_file(candidate.c_str());
        if (created.outcome == CreateOutcome::taken) {
            continue;
        }
        if (created.outcome != CreateOutcome::created) {
            const int error = errno;
            release_interrupts();
            return path + ": cannot create: " + reason(error);
        }
        temporary_ = candidate;
        stream_ = created.stream;
        remove_on_interrupt(temporary_.c_str());
        release_interrupts();
        return std::nullopt;
    }
    release_interrupts();
    return path + ": cannot create: no free temporary name beside it";
}

bool OutputFile::write(const void* data, std::size_t length) {
    if (stream_ == nullptr || write_error_ != 0) {
        return false;
    }
    if (std::fwrite(data, 1, length, stream_) != length) {
        write_error_ = errno != 0 ? errno : EIO;
        return false;
    }
    return true;
}

OutputFault OutputFile::write_fault() const {
    if (write_error_ == 0) {
        return std::nullopt;
    }
    return path_ + ": writing failed: " + reason(write_error_);
}

OutputFault OutputFile::commit() {
    if (stream_ == nullptr) {
        return path_ + ": not open";
    }
    int error = write_error_;
    if (error == 0 && !sync_to_disk(stream_)) {
        error = errno != 0 ? errno : EIO;
    }
    const bool closed = std::fclose(stream_) == 0;
    stream_ = nullptr;
    if (error == 0 && !closed) {
        error = errno != 0 ? errno : EIO;
    }
    if (error != 0) {
        discard();
        return path_ + ": writing failed: " + reason(error);
    }
    hold_interrupts();
    const MoveOutcome moved = move_file(temporary_.c_str(), path_.c_str(), replace_);
    const int move_error = errno;
    if (moved == MoveOutcome::moved) {
        remove_on_interrupt(nullptr);
        temporary_.clear();
        release_interrupts();
        return std::nullopt;
    }
    release_interrupts();
    discard();
    if (moved == MoveOutcome::taken) {
        return path_ + ": appeared while this run was writing; not overwritten" +
               (replace_option_.empty() ? "" : " (" + replace_option_ + " replaces it)");
    }
    return path_ + ": cannot move into place: " + reason(move_error);
}

void OutputFile::discard() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
        stream_ = nullptr;
    }
    if (!temporary_.empty()) {
        hold_interrupts();
        remove_on_interrupt(nullptr);
        std::remove(temporary_.c_str());
        release_interrupts();
        temporary_.clear();
    }
    write_error_ = 0;
}

bool finish_output(std::ostream& out, std::ostream& errors) {
    out.flush();
    if (out) {
        return true;
    }
    const int error = stream_error(out);
    errors << "cellwright-tool: writing standard output failed" +
                  (error != 0 ? ": " + std::string(std::strerror(error)) : std::string()) + "\n";
    errors.flush();
    return false;
}

}  // namespace cellwright::tool
