#pragma once
// A set of the 81 cells as one 27-bit word per band of three rows, the form the whole-grid
// looks of the sweeps and of the solution counter work in: cell (row, column) is bit
// 9 * (row % 3) + column of word row / 3.

#include <array>
#include <cstdint>

namespace cellwright {

// The cells of bits 0..63 of `low` and 64..80 of `high` (cell i at bit i), as band words.
inline std::array<std::uint32_t, 3> band_words(std::uint64_t low, std::uint64_t high) {
    constexpr std::uint64_t BAND = (std::uint64_t{1} << 27) - 1;
    return {static_cast<std::uint32_t>(low & BAND), static_cast<std::uint32_t>(low >> 27 & BAND),
            static_cast<std::uint32_t>((low >> 54 | high << 10) & BAND)};
}

}  // namespace cellwright
