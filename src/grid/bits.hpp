#pragma once
// The bit idioms the engine's loops and folds are written in, named once: the lowest set bit,
// a walk over the set bits, one-bit tests, and a tally of the bits seen once or more and twice
// or more over a run of words. They serve digit masks (9 bits), band words (27 bits), cell sets
// (64 bits) and, for the tally, lanes (grid/lanes.hpp) alike.

#include <bit>
#include <concepts>

namespace cellwright {

// The lowest set bit of `bits` alone (0 for 0).
template <std::unsigned_integral Bits>
constexpr Bits lowest_bit(Bits bits) {
    return static_cast<Bits>(bits & (Bits{0} - bits));
}

// The lowest set bit and every bit below it: for a one-bit digit mask, that digit and every
// lower one.
template <std::unsigned_integral Bits>
constexpr Bits up_to_bit(Bits bit) {
    return static_cast<Bits>(bit | (bit - 1));
}

// The index of the lowest set bit of `bits`, which must not be 0, and clears that bit: the step
// of a walk over a set, `while (set != 0) { const int i = pop_lowest(set); ... }`.
template <std::unsigned_integral Bits>
constexpr int pop_lowest(Bits& bits) {
    const int index = std::countr_zero(bits);
    bits = static_cast<Bits>(bits & (bits - 1));
    return index;
}

// Calls `visit(index)` for each set bit of `bits`, lowest first.
template <std::unsigned_integral Bits, typename Visit>
constexpr void for_each_bit(Bits bits, Visit visit) {
    while (bits != 0) {
        visit(pop_lowest(bits));
    }
}

// Two or more bits set.
template <std::unsigned_integral Bits>
constexpr bool more_than_one(Bits bits) {
    return (bits & (bits - 1)) != 0;
}

// Exactly one bit set. Bitwise, not short-circuit: no branch on the first test.
template <std::unsigned_integral Bits>
constexpr bool exactly_one(Bits bits) {
    return static_cast<bool>(static_cast<int>(bits != 0) & static_cast<int>(!more_than_one(bits)));
}

// `a` without the bits of `b`.
template <std::unsigned_integral Bits>
constexpr Bits and_not(Bits a, Bits b) {
    return static_cast<Bits>(a & ~b);
}

// Which bits a run of words has set in at least one word (`once`) and in at least two
// (`twice`). Over the candidate masks of a unit's cells, `exactly_once` is the digits open in
// one cell only (a hidden single); over the rows of a band word, the columns one row has.
// `Bits` is an unsigned word or `Lanes`, which tallies each lane apart.
template <typename Bits>
struct Tally {
    Bits once{};
    Bits twice{};
};

// The tally with one more word.
template <typename Bits>
constexpr Tally<Bits> tally_add(Tally<Bits> tally, Bits word) {
    return {static_cast<Bits>(tally.once | word),
            static_cast<Bits>(tally.twice | (tally.once & word))};
}

// The tally of two runs of words together.
template <typename Bits>
constexpr Tally<Bits> tally_merge(Tally<Bits> a, Tally<Bits> b) {
    return {static_cast<Bits>(a.once | b.once),
            static_cast<Bits>(a.twice | b.twice | (a.once & b.once))};
}

// The bits set in exactly one word of the run.
template <typename Bits>
constexpr Bits exactly_once(Tally<Bits> tally) {
    return and_not(tally.once, tally.twice);
}

}  // namespace cellwright
