#pragma once
// A one-line progress bar for long runs on a terminal, redrawn in place with a carriage
// return: "[#########...........]  120/1000  35.2/s  ETA 0:25".

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>

namespace cellwright::tool {

// The bar's text for `done` of `total` after `elapsed_seconds`; the rate and the estimate
// are left out until something is done.
std::string progress_text(std::uint64_t done, std::uint64_t total, double elapsed_seconds);

class ProgressBar {
  public:
    ProgressBar(std::ostream& out, std::uint64_t total);

    // Redraws when a tenth of a second has passed since the last drawing, or at the end.
    void update(std::uint64_t done);

    // Ends the bar's line.
    void finish();

  private:
    using Clock = std::chrono::steady_clock;
    std::ostream& out_;
    std::uint64_t total_;
    Clock::time_point start_;
    Clock::time_point last_drawn_;
    bool drawn_ = false;
};

}  // namespace cellwright::tool
