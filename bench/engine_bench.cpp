// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of the engine's procedures on large operands.
#include "engine/engine.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

using engine::Text;

Text randomDigits(std::size_t length, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> digit(0, 9);
    Text text(length, '0');
    for (auto& c : text) {
        c = static_cast<char>('0' + digit(random));
    }
    text[0] = '7';
    return text;
}

// One call of a two-operand procedure on random operands of state.range(0)
// digits each, on fresh copies every time (the procedures rewrite them).
template <Text (*Procedure)(Text&, Text&)> void BM_TwoOperands(benchmark::State& state) {
    const auto length = static_cast<std::size_t>(state.range(0));
    const Text a = randomDigits(length, 1);
    const Text b = randomDigits(length, 2);
    for (auto _ : state) {
        Text x = a;
        Text y = b;
        benchmark::DoNotOptimize(Procedure(x, y));
    }
}
BENCHMARK(BM_TwoOperands<engine::Plusplus>)
    ->Name("BM_Plusplus")
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoOperands<engine::Moinsmoins>)
    ->Name("BM_Moinsmoins")
    ->Arg(1'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TwoOperands<engine::Mulmul>)
    ->Name("BM_Mulmul")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond);

void BM_DivdivAtPrecision(benchmark::State& state, const char* dividend, const char* divisor) {
    for (auto _ : state) {
        auto precision = static_cast<std::int32_t>(state.range(0));
        Text a = dividend;
        Text b = divisor;
        benchmark::DoNotOptimize(engine::Divdiv(a, b, precision));
    }
}
BENCHMARK_CAPTURE(BM_DivdivAtPrecision, one_seventh, "1", "7")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DivdivAtPrecision, twenty_two_sevenths, "22", "7")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond);

void BM_DivdivLongOperands(benchmark::State& state) {
    const Text dividend = randomDigits(20'000, 8);
    const Text divisor = randomDigits(10'000, 9);
    for (auto _ : state) {
        std::int32_t precision = 50;
        Text a = dividend;
        Text b = divisor;
        benchmark::DoNotOptimize(engine::Divdiv(a, b, precision));
    }
}
BENCHMARK(BM_DivdivLongOperands)->Unit(benchmark::kMillisecond);

void BM_AckerSimpleFourTwo(benchmark::State& state) {
    for (auto _ : state) {
        Text a = "4";
        Text b = "2";
        benchmark::DoNotOptimize(engine::AckerSimple(a, b));
    }
}
BENCHMARK(BM_AckerSimpleFourTwo)->Unit(benchmark::kMillisecond);

void BM_PuisCalculOfThree(benchmark::State& state) {
    for (auto _ : state) {
        Text base = "3";
        benchmark::DoNotOptimize(
            engine::PuisCalcul(base, static_cast<std::int32_t>(state.range(0))));
    }
}
BENCHMARK(BM_PuisCalculOfThree)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

void BM_Factorial(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::factorial(static_cast<std::int32_t>(state.range(0))));
    }
}
BENCHMARK(BM_Factorial)->Arg(9999)->Arg(100'000)->Unit(benchmark::kMillisecond);

void BM_Sommepuis(benchmark::State& state) {
    const Text digits = randomDigits(30'000, 10);
    const Text exponent = std::to_string(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(engine::sommepuis(digits, exponent));
    }
}
BENCHMARK(BM_Sommepuis)->Arg(5)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace
