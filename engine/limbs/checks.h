// SPDX-License-Identifier: GPL-3.0-or-later
// The kernels' checks of their preconditions. A check of constant cost is a
// plain assert, on in every build (the build keeps assertions). A check that
// takes a whole pass over the limbs or digits, which would cost as much as the
// kernel it guards, is CALC_EXPENSIVE_ASSERT: on in the debug and sanitizer
// builds only, where CMake defines CALC_EXPENSIVE_CHECKS.
#pragma once

#include <cassert>

#ifdef CALC_EXPENSIVE_CHECKS
#define CALC_EXPENSIVE_ASSERT(condition) assert(condition)
#else
#define CALC_EXPENSIVE_ASSERT(condition) static_cast<void>(0)
#endif
