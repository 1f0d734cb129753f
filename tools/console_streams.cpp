#include "console_streams.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iostream>

#include "app/platform.hpp"

namespace cellwright::tool {

WholeLineBuffer::WholeLineBuffer(std::FILE* file) : file_(file), line_by_line_(is_terminal(file)) {
    setp(buffer_.data(), buffer_.data() + buffer_.size());
}

WholeLineBuffer::~WholeLineBuffer() {
    sync();
}

bool WholeLineBuffer::write_out(std::size_t length) {
    const std::size_t pending = static_cast<std::size_t>(pptr() - pbase());
    if (error_ == 0 && length > 0 && std::fwrite(pbase(), 1, length, file_) != length) {
        error_ = errno != 0 ? errno : EIO;
    }
    if (error_ != 0) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return false;
    }
    std::memmove(buffer_.data(), buffer_.data() + length, pending - length);
    setp(buffer_.data(), buffer_.data() + buffer_.size());
    pbump(static_cast<int>(pending - length));
    return true;
}

WholeLineBuffer::int_type WholeLineBuffer::overflow(int_type c) {
    // Full: the complete lines go, or everything when one line fills the whole buffer.
    const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
    const std::size_t line_end = pending.rfind('\n');
    if (!write_out(line_end == std::string_view::npos ? pending.size() : line_end + 1)) {
        return traits_type::eof();
    }
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

std::streamsize WholeLineBuffer::xsputn(const char* text, std::streamsize length) {
    std::streamsize done = 0;
    while (done < length) {
        if (pptr() == epptr() &&
            traits_type::eq_int_type(overflow(traits_type::eof()), traits_type::eof())) {
            return done;
        }
        const std::streamsize room = std::min<std::streamsize>(epptr() - pptr(), length - done);
        std::memcpy(pptr(), text + done, static_cast<std::size_t>(room));
        pbump(static_cast<int>(room));
        done += room;
    }
    if (line_by_line_ && std::string_view(text, static_cast<std::size_t>(length)).find('\n') !=
                             std::string_view::npos) {
        sync();
    }
    return done;
}

int WholeLineBuffer::sync() {
    return write_out(static_cast<std::size_t>(pptr() - pbase())) ? 0 : -1;
}

int stream_error(const std::ostream& out) {
    const auto* buffer = dynamic_cast<const WholeLineBuffer*>(out.rdbuf());
    return buffer != nullptr ? buffer->error() : 0;
}

ConsoleStreams::ConsoleStreams() : out_(stdout), errors_(stderr) {
    std::ios::sync_with_stdio(false);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    saved_out_ = std::cout.rdbuf(&out_);
    saved_errors_ = std::cerr.rdbuf(&errors_);
    std::cerr.unsetf(std::ios::unitbuf);
    std::cerr.tie(nullptr);
}

ConsoleStreams::~ConsoleStreams() {
    std::cout.flush();
    std::cerr.flush();
    std::cout.rdbuf(saved_out_);
    std::cerr.rdbuf(saved_errors_);
}

}  // namespace cellwright::tool
