#pragma once

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#endif

// Clears the upper halves of the wide vector registers before a loop of scalar
// double (SSE) arithmetic. Library routines that use 256- and 512-bit registers
// (the C library's copies and fills, Qt's image code) may return with those halves
// in use; every SSE instruction that writes a register then waits on a merge with
// them, which made the double projection three times slower on the machines where
// it shows. A no-op without AVX; values in the low halves are kept, so no result
// changes.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
namespace vector_state_detail {
__attribute__((target("avx"))) inline void zeroUpper() { _mm256_zeroupper(); }
}

inline void ClearUpperVectorState()
{
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx)
        vector_state_detail::zeroUpper();
}
#else
inline void ClearUpperVectorState() { }
#endif
