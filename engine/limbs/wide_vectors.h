// SPDX-License-Identifier: GPL-3.0-or-later
// Kernels whose loops the compiler vectorises are built twice on x86-64: for
// processors with AVX2, whose vectors hold four 64-bit column sums where the
// baseline's SSE2 holds two, and for any other; each call takes the one that
// the processor runs. The C library tells which from the processor's features
// that it read when the program started, at no cost (asking the processor
// again costs a tenth of a millisecond in a virtual machine, where every
// such question traps). The sanitizer and fuzzing builds, which define
// CALC_PORTABLE_KERNELS, build the baseline alone, so that the tests run both.
// GCC only: the C library's header is not C++ that clang takes.
#pragma once

#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__) && defined(__GLIBC__) &&       \
    __has_include(<sys/platform/x86.h>) && !defined(CALC_PORTABLE_KERNELS)
#include <sys/platform/x86.h>
#define CALC_BUILDS_WIDE_VECTORS 1
#define CALC_WIDE_VECTORS [[gnu::target("avx2")]]
#define CALC_INLINED [[gnu::always_inline]] inline
#else
#define CALC_BUILDS_WIDE_VECTORS 0
#define CALC_WIDE_VECTORS
#define CALC_INLINED inline
#endif

namespace engine::limbs {

inline bool hasWideVectors() {
#if CALC_BUILDS_WIDE_VECTORS
    return CPU_FEATURE_ACTIVE(AVX2);
#else
    return false;
#endif
}

// kernel(arguments...) built for AVX2; the kernel and what it calls must be
// CALC_INLINED, so that they are built again here.
template <auto kernel, class... Arguments>
CALC_WIDE_VECTORS auto onWideVectors(Arguments... arguments) {
    return kernel(arguments...);
}

// wide(arguments...) built for AVX2 when the processor has it, otherwise
// baseline(arguments...): the same kernel, or one written for the baseline's
// narrower vectors.
template <auto baseline, auto wide = baseline, class... Arguments>
auto onWidestVectors(Arguments... arguments) {
    return hasWideVectors() ? onWideVectors<wide>(arguments...) : baseline(arguments...);
}

} // namespace engine::limbs
