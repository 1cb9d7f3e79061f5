// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the magnitude kernels by size in limbs, to place the thresholds
// between schoolbook, Karatsuba and the transforms (engine/multiply.cpp).
#include "engine/limbs/magnitude.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using engine::limbs::Limb;
using engine::limbs::Magnitude;

Magnitude randomLimbs(std::size_t count, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<Limb> limb(0, engine::limbs::kLimbBase - 1);
    Magnitude value(count);
    for (auto& l : value) {
        l = limb(random);
    }
    value.back() = 7;
    return value;
}

void BM_Multiply(benchmark::State& state) {
    const auto limbs = static_cast<std::size_t>(state.range(0));
    const Magnitude a = randomLimbs(limbs, 1);
    const Magnitude b = randomLimbs(limbs, 2);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::limbs::multiply(a, b));
    }
}
BENCHMARK(BM_Multiply)->RangeMultiplier(2)->Range(16, 1 << 17)->Unit(benchmark::kMicrosecond);

void BM_Square(benchmark::State& state) {
    const auto limbs = static_cast<std::size_t>(state.range(0));
    const Magnitude a = randomLimbs(limbs, 3);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::limbs::square(a));
    }
}
BENCHMARK(BM_Square)->RangeMultiplier(2)->Range(16, 1 << 17)->Unit(benchmark::kMicrosecond);

// A quotient of n limbs by a divisor of n limbs.
void BM_Divide(benchmark::State& state) {
    const auto limbs = static_cast<std::size_t>(state.range(0));
    const Magnitude a = randomLimbs(2 * limbs, 4);
    const Magnitude b = randomLimbs(limbs, 5);
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::limbs::divide(a, b));
    }
}
BENCHMARK(BM_Divide)->RangeMultiplier(4)->Range(16, 1 << 14)->Unit(benchmark::kMicrosecond);

} // namespace
