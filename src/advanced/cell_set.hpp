#pragma once
// A set of the 81 cells, the form in which the advanced techniques ask "which cells see both
// ends of this chain" or "where else is digit 4 open": band words (grid/geometry.hpp), so
// cell i is bit i % 27 of word i / 27.

#include <bit>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/geometry.hpp"

namespace cellwright {

struct CellSet {
    BandWords bands{};

    constexpr bool contains(int cell) const { return (bands[cell / 27] >> (cell % 27) & 1U) != 0; }
    constexpr void insert(int cell) { bands[cell / 27] |= 1U << (cell % 27); }
    constexpr void erase(int cell) { bands[cell / 27] &= ~(1U << (cell % 27)); }
    constexpr bool empty() const { return (bands[0] | bands[1] | bands[2]) == 0; }
    constexpr int size() const {
        return std::popcount(bands[0]) + std::popcount(bands[1]) + std::popcount(bands[2]);
    }

    friend constexpr CellSet operator&(const CellSet& a, const CellSet& b) {
        return {{a.bands[0] & b.bands[0], a.bands[1] & b.bands[1], a.bands[2] & b.bands[2]}};
    }
    friend constexpr CellSet operator|(const CellSet& a, const CellSet& b) {
        return {{a.bands[0] | b.bands[0], a.bands[1] | b.bands[1], a.bands[2] | b.bands[2]}};
    }
    // The cells of `a` that are not in `b`.
    friend constexpr CellSet operator-(const CellSet& a, const CellSet& b) {
        return {{a.bands[0] & ~b.bands[0], a.bands[1] & ~b.bands[1], a.bands[2] & ~b.bands[2]}};
    }
    friend constexpr bool operator==(const CellSet&, const CellSet&) = default;
};

// Calls `visit(cell)` for each cell of `set` in ascending order.
template <typename Visit>
constexpr void for_each_cell(const CellSet& set, Visit&& visit) {
    for (int band = 0; band < 3; ++band) {
        for_each_bit(set.bands[band], [&](int bit) { visit(27 * band + bit); });
    }
}

// Calls `test(cell)` for the cells of `set` in ascending order until it returns true; true
// if it did.
template <typename Test>
constexpr bool any_cell(const CellSet& set, Test&& test) {
    for (int band = 0; band < 3; ++band) {
        for (std::uint32_t bits = set.bands[band]; bits != 0;) {
            if (test(27 * band + pop_lowest(bits))) {
                return true;
            }
        }
    }
    return false;
}

// The lowest cell of `set`, or -1 when it is empty.
constexpr int first_cell(const CellSet& set) {
    for (int band = 0; band < 3; ++band) {
        if (set.bands[band] != 0) {
            return 27 * band + std::countr_zero(set.bands[band]);
        }
    }
    return -1;
}

}  // namespace cellwright
