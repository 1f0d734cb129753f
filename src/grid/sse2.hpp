#pragma once
// Whether the engine's vector paths use SSE2, which every x86-64 processor has (GCC and Clang
// announce it with __SSE2__, MSVC with _M_X64), so no run-time dispatch is needed. On other
// targets, or with CELLWRIGHT_PLAIN_LANES defined (the build option that checks them), every
// such path takes its plain version, which gives the same results.

#if (defined(__SSE2__) || defined(_M_X64)) && !defined(CELLWRIGHT_PLAIN_LANES)
#define CELLWRIGHT_SSE2 1
#include <emmintrin.h>
#else
#define CELLWRIGHT_SSE2 0
#endif
