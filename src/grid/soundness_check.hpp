#pragma once
// Checked builds (Debug, the sanitizer build, or CELLWRIGHT_CHECKED=ON) assert the grid pair's
// invariants (`is_sound`) on entry to and exit from every driver of the technique ladder, as
// strong engines assert their position's invariants; a Release build compiles the checks out.
// A broken pair is a fault of the engine or of a test that built it, never of user input.

#include "grid/grid.hpp"

#ifndef CELLWRIGHT_CHECKED
#define CELLWRIGHT_CHECKED 0
#endif

namespace cellwright {

// Prints which operation met an unsound pair, and when, and aborts.
[[noreturn]] void report_unsound_pair(const char* operation, const char* when);

// Declared first thing in a driver: checks the pair now and again when the driver returns.
class SoundOnEntryAndExit {
  public:
#if CELLWRIGHT_CHECKED
    SoundOnEntryAndExit(const PlacedGrid& placed, const ExclusionGrid& excluded,
                        const char* operation)
        : placed_(placed), excluded_(excluded), operation_(operation) {
        if (!is_sound(placed_, excluded_)) {
            report_unsound_pair(operation_, "entry to");
        }
    }
    ~SoundOnEntryAndExit() {
        if (!is_sound(placed_, excluded_)) {
            report_unsound_pair(operation_, "exit from");
        }
    }
    SoundOnEntryAndExit(const SoundOnEntryAndExit&) = delete;
    SoundOnEntryAndExit& operator=(const SoundOnEntryAndExit&) = delete;

  private:
    const PlacedGrid& placed_;
    const ExclusionGrid& excluded_;
    const char* operation_;
#else
    constexpr SoundOnEntryAndExit(const PlacedGrid&, const ExclusionGrid&, const char*) {}
#endif
};

}  // namespace cellwright
