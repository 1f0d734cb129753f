#pragma once
// Lanes: one 128-bit group of words worked on side by side, the engine's one vector type. SSE2
// is part of every x86-64 processor, so no dispatch is needed; other targets (or a build
// defining CELLWRIGHT_PLAIN_LANES, which checks the fallback) get the same results from four
// plain 32-bit words.
//
// Bitwise logic works on any lane width. The arithmetic, shifts and lane tests below treat the
// group as four 32-bit lanes (band words, as the solution counter holds them) and never carry
// from one lane into the next. Code that reads eight 16-bit cell words at a time (the solver's
// whole-grid looks) exists only on SSE2 and uses the vector in `words` with the intrinsics
// directly; each such path has a plain twin in its own file.

#include <array>
#include <cstdint>

#include "grid/bits.hpp"
#include "grid/sse2.hpp"

namespace cellwright {

#if CELLWRIGHT_SSE2

struct Lanes {
    __m128i words;
};

inline Lanes load_lanes(const std::uint32_t* words) {
    return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(words))};
}
inline void store_lanes(Lanes lanes, std::uint32_t* words) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(words), lanes.words);
}
inline Lanes splat(std::uint32_t word) {
    return {_mm_set1_epi32(static_cast<int>(word))};
}
inline Lanes operator&(Lanes a, Lanes b) {
    return {_mm_and_si128(a.words, b.words)};
}
inline Lanes operator|(Lanes a, Lanes b) {
    return {_mm_or_si128(a.words, b.words)};
}
inline Lanes operator^(Lanes a, Lanes b) {
    return {_mm_xor_si128(a.words, b.words)};
}
inline Lanes operator+(Lanes a, Lanes b) {
    return {_mm_add_epi32(a.words, b.words)};
}
inline Lanes operator-(Lanes a, Lanes b) {
    return {_mm_sub_epi32(a.words, b.words)};
}
// `a` without the bits of `b`.
inline Lanes and_not(Lanes a, Lanes b) {
    return {_mm_andnot_si128(b.words, a.words)};
}
template <int N>
Lanes shift_down(Lanes a) {
    return {_mm_srli_epi32(a.words, N)};
}
template <int N>
Lanes shift_up(Lanes a) {
    return {_mm_slli_epi32(a.words, N)};
}
inline bool any_bit(Lanes a) {
    return _mm_movemask_epi8(_mm_cmpeq_epi32(a.words, _mm_setzero_si128())) != 0xFFFF;
}
// Bit i set for each lane i that is not 0.
inline std::uint32_t nonzero_lanes(Lanes a) {
    const __m128i zero = _mm_cmpeq_epi32(a.words, _mm_setzero_si128());
    return static_cast<std::uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(zero))) ^ 0xFu;
}

// Eight 16-bit lanes from eight consecutive cell words (of `placed` or `excluded`).
inline Lanes load_cell_words(const std::uint16_t* first) {
    return {_mm_loadu_si128(reinterpret_cast<const __m128i*>(first))};
}

// Of eight 16-bit lanes, lane i + N moved to lane i (zeros shifted in), in each word of a tally.
template <int N>
Tally<Lanes> word_lanes_down(Tally<Lanes> tally) {
    return {Lanes{_mm_srli_si128(tally.once.words, 2 * N)},
            Lanes{_mm_srli_si128(tally.twice.words, 2 * N)}};
}

// The three band words of four digits, one digit a lane: a 4 x 4 transpose of their rows of
// candidates (the fourth row word, padding, is dropped).
inline std::array<Lanes, 3> transpose_bands(const std::uint32_t* first, const std::uint32_t* second,
                                            const std::uint32_t* third,
                                            const std::uint32_t* fourth) {
    const __m128i a = load_lanes(first).words;
    const __m128i b = load_lanes(second).words;
    const __m128i c = load_lanes(third).words;
    const __m128i d = load_lanes(fourth).words;
    const __m128i low_ab = _mm_unpacklo_epi32(a, b);  // a0 b0 a1 b1
    const __m128i low_cd = _mm_unpacklo_epi32(c, d);
    const __m128i high_ab = _mm_unpackhi_epi32(a, b);  // a2 b2 a3 b3
    const __m128i high_cd = _mm_unpackhi_epi32(c, d);
    return {Lanes{_mm_unpacklo_epi64(low_ab, low_cd)}, Lanes{_mm_unpackhi_epi64(low_ab, low_cd)},
            Lanes{_mm_unpacklo_epi64(high_ab, high_cd)}};
}

#else

struct Lanes {
    std::array<std::uint32_t, 4> words;
};

template <typename Op>
Lanes each_lane(Lanes a, Lanes b, Op op) {
    Lanes out{};
    for (int lane = 0; lane < 4; ++lane) {
        out.words[lane] = op(a.words[lane], b.words[lane]);
    }
    return out;
}

inline Lanes load_lanes(const std::uint32_t* words) {
    return {{words[0], words[1], words[2], words[3]}};
}
inline void store_lanes(Lanes lanes, std::uint32_t* words) {
    for (int lane = 0; lane < 4; ++lane) {
        words[lane] = lanes.words[lane];
    }
}
inline Lanes splat(std::uint32_t word) {
    return {{word, word, word, word}};
}
inline Lanes operator&(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x & y; });
}
inline Lanes operator|(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x | y; });
}
inline Lanes operator^(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x ^ y; });
}
inline Lanes operator+(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x + y; });
}
inline Lanes operator-(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x - y; });
}
inline Lanes and_not(Lanes a, Lanes b) {
    return each_lane(a, b, [](std::uint32_t x, std::uint32_t y) { return x & ~y; });
}
template <int N>
Lanes shift_down(Lanes a) {
    return each_lane(a, a, [](std::uint32_t x, std::uint32_t) { return x >> N; });
}
template <int N>
Lanes shift_up(Lanes a) {
    return each_lane(a, a, [](std::uint32_t x, std::uint32_t) { return x << N; });
}
inline bool any_bit(Lanes a) {
    return (a.words[0] | a.words[1] | a.words[2] | a.words[3]) != 0;
}
inline std::uint32_t nonzero_lanes(Lanes a) {
    std::uint32_t lanes = 0;
    for (int lane = 0; lane < 4; ++lane) {
        lanes |= (a.words[lane] != 0 ? 1u : 0u) << lane;
    }
    return lanes;
}

inline std::array<Lanes, 3> transpose_bands(const std::uint32_t* first, const std::uint32_t* second,
                                            const std::uint32_t* third,
                                            const std::uint32_t* fourth) {
    std::array<Lanes, 3> bands{};
    for (int band = 0; band < 3; ++band) {
        bands[band] = {{first[band], second[band], third[band], fourth[band]}};
    }
    return bands;
}

#endif

}  // namespace cellwright
