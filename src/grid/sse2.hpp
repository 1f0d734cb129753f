#pragma once
// Whether the engine's vector paths use SSE2, which every x86-64 processor has (GCC and Clang
// announce it with __SSE2__, MSVC with _M_X64), so no run-time dispatch is needed. On other
// targets, or with CELLWRIGHT_PLAIN_LANES defined (the build option that checks them), every
// such path takes its plain version, which gives the same results.
//
// CELLWRIGHT_AVX2 marks the filling's second compile, for x86-64-v3 processors
// (generator/x86_64_v3.hpp): there a few of those paths read sixteen cell words a vector (AVX2)
// and compress their test results with PEXT (BMI2), again with the same results.

#if (defined(__SSE2__) || defined(_M_X64)) && !defined(CELLWRIGHT_PLAIN_LANES)
#define CELLWRIGHT_SSE2 1
#include <emmintrin.h>
#else
#define CELLWRIGHT_SSE2 0
#endif

#if CELLWRIGHT_SSE2 && defined(__AVX2__) && defined(__BMI2__)
#define CELLWRIGHT_AVX2 1
#include <immintrin.h>
#else
#define CELLWRIGHT_AVX2 0
#endif
