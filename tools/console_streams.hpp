#pragma once
// Standard output and error of cellwright-tool. Each is written in whole lines: text is
// collected and handed on only up to a line end, one write at a time, so that the lines of
// several processes sharing a pipe never mix within a line, and a flood of fault messages
// costs one write per few kilobytes rather than several per message. On a terminal every
// line goes out at once.

#include <array>
#include <cstdio>
#include <iosfwd>
#include <streambuf>

namespace cellwright::tool {

class WholeLineBuffer : public std::streambuf {
  public:
    // Writes to `file`, which should be unbuffered.
    explicit WholeLineBuffer(std::FILE* file);
    ~WholeLineBuffer() override;
    WholeLineBuffer(const WholeLineBuffer&) = delete;
    WholeLineBuffer& operator=(const WholeLineBuffer&) = delete;

    // The errno of the first failed write, or 0. After a failure the text is dropped and
    // the stream that writes here goes bad.
    int error() const { return error_; }

  protected:
    int_type overflow(int_type c) override;
    int sync() override;
    std::streamsize xsputn(const char* text, std::streamsize length) override;

  private:
    // Writes the first `length` collected bytes and keeps the rest for later.
    bool write_out(std::size_t length);

    // At most what a pipe takes in one piece, so that one write is never split.
    std::array<char, 4096> buffer_{};
    std::FILE* file_;
    bool line_by_line_;
    int error_ = 0;
};

// The errno with which writing to `out` failed, when its buffer knows it; else 0.
int stream_error(const std::ostream& out);

// For the life of the object, std::cout and std::cerr write whole lines through
// WholeLineBuffers (std::cerr no longer flushing after every output, nor flushing std::cout
// first), and std::cin reads through the C++ library's own buffer, which reports a read error
// as one rather than as the end of the input. Made once, first thing in main.
class ConsoleStreams {
  public:
    ConsoleStreams();
    ~ConsoleStreams();
    ConsoleStreams(const ConsoleStreams&) = delete;
    ConsoleStreams& operator=(const ConsoleStreams&) = delete;

  private:
    WholeLineBuffer out_;
    WholeLineBuffer errors_;
    std::streambuf* saved_out_;
    std::streambuf* saved_errors_;
};

}  // namespace cellwright::tool
