#pragma once
// Lexicographic enumeration of the k-subsets of a short list, for the techniques that try
// every group of two to four cells, digits or lines of a unit.

#include <array>

namespace cellwright {

inline constexpr int MAX_COMBINATION = 4;

using Combination = std::array<int, MAX_COMBINATION>;

// Calls `visit(chosen)` for each choice of `k` (1..4) of the indices 0..n-1, in increasing
// lexicographic order, with chosen[0] < .. < chosen[k-1]; stops early and returns true as
// soon as `visit` returns true.
template <typename Visit>
bool any_combination(int n, int k, Visit&& visit) {
    if (k < 1 || k > MAX_COMBINATION || k > n) {
        return false;
    }
    Combination chosen{};
    for (int i = 0; i < k; ++i) {
        chosen[i] = i;
    }
    for (;;) {
        if (visit(chosen)) {
            return true;
        }
        int i = k - 1;
        while (i >= 0 && chosen[i] == n - k + i) {
            --i;
        }
        if (i < 0) {
            return false;
        }
        ++chosen[i];
        for (int j = i + 1; j < k; ++j) {
            chosen[j] = chosen[j - 1] + 1;
        }
    }
}

}  // namespace cellwright
