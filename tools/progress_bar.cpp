#include "progress_bar.hpp"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace cellwright::tool {
namespace {

constexpr int BAR_WIDTH = 30;

std::string duration_text(double seconds) {
    const auto whole = static_cast<std::uint64_t>(std::llround(seconds));
    char text[32];
    if (whole >= 3600) {
        std::snprintf(text, sizeof text, "%llu:%02llu:%02llu",
                      static_cast<unsigned long long>(whole / 3600),
                      static_cast<unsigned long long>(whole / 60 % 60),
                      static_cast<unsigned long long>(whole % 60));
    } else {
        std::snprintf(text, sizeof text, "%llu:%02llu", static_cast<unsigned long long>(whole / 60),
                      static_cast<unsigned long long>(whole % 60));
    }
    return text;
}

}  // namespace

std::string progress_text(std::uint64_t done, std::uint64_t total, double elapsed_seconds) {
    const double fraction =
        total == 0 ? 1.0 : static_cast<double>(done) / static_cast<double>(total);
    const int filled = static_cast<int>(fraction * BAR_WIDTH);
    std::string text;
    text.reserve(96);
    text.append(1, '[').append(filled, '#').append(BAR_WIDTH - filled, '.').append("]  ");
    text.append(std::to_string(done)).append(1, '/').append(std::to_string(total));
    if (done > 0 && elapsed_seconds > 0) {
        const double rate = static_cast<double>(done) / elapsed_seconds;
        char figures[64];
        std::snprintf(figures, sizeof figures, "  %.1f/s  ETA %s", rate,
                      duration_text(static_cast<double>(total - done) / rate).c_str());
        text += figures;
    }
    return text;
}

ProgressBar::ProgressBar(std::ostream& out, std::uint64_t total)
    : out_(out), total_(total), start_(Clock::now()), last_drawn_(start_) {}

void ProgressBar::update(std::uint64_t done) {
    const Clock::time_point now = Clock::now();
    if (drawn_ && done < total_ && now - last_drawn_ < std::chrono::milliseconds(100)) {
        return;
    }
    last_drawn_ = now;
    drawn_ = true;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    // Trailing spaces wipe what a longer earlier drawing left behind.
    out_ << '\r' << progress_text(done, total_, elapsed) << "    " << std::flush;
}

void ProgressBar::finish() {
    if (drawn_) {
        out_ << '\n' << std::flush;
    }
}

}  // namespace cellwright::tool
