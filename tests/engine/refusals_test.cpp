// SPDX-License-Identifier: GPL-3.0-or-later
// Every procedure that computes refuses what it cannot compute with one of
// the engine's errors, and then has changed nothing in its arguments; and
// each long loop stops with Cancelled, not a partial result, when asked to.
#include "engine/engine.h"
#include "engine/limbs/divide.h"
#include "engine/limbs/multiply.h"
#include "engine/limbs/ntt.h"
#include "engine/runtime/job_control.h"
#include "engine/runtime/thread_pool.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <limits>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>

namespace {

using engine::Text;

enum class Expected { NotANumber, OutOfRange };

struct Refusal {
    const char* procedure;
    Text first;
    Text second;
    Expected expected;
};

Text call(const std::string& procedure, Text& first, Text& second) {
    std::int32_t precision = 50;
    const std::map<std::string, std::function<Text()>> procedures = {
        {"Plusplus", [&] { return engine::Plusplus(first, second); }},
        {"Moinsmoins", [&] { return engine::Moinsmoins(first, second); }},
        {"Mulmul", [&] { return engine::Mulmul(first, second); }},
        {"Divdiv", [&] { return engine::Divdiv(first, second, precision); }},
        {"PuisCalcul", [&] { return engine::PuisCalcul(first, std::stoi(second)); }},
        {"MulCalcul", [&] { return engine::MulCalcul(first, std::stoi(second)); }},
        {"sommepuis", [&] { return engine::sommepuis(first, second); }},
        {"AckerSimple", [&] { return engine::AckerSimple(first, second); }},
        {"ackerman", [&] { return engine::ackerman(first, second); }},
        {"factorial", [&] { return engine::factorial(std::stoi(first)); }},
    };
    return procedures.at(procedure)();
}

TEST(RefusalTest, ErrorsLeaveTheArgumentsAsTheyWere) {
    using enum Expected;
    // clang-format off
    const Refusal refusals[] = {
        {"Plusplus", "12a", "5", NotANumber},         {"Plusplus", "1.5", "2", NotANumber},
        {"Plusplus", "5-", "1", NotANumber},          {"Moinsmoins", "--5", "3", NotANumber},
        {"Moinsmoins", "-", "x", NotANumber},         {"Mulmul", "1,5", "2", NotANumber},
        {"Mulmul", "2", "1.2.3", NotANumber},         {"Mulmul", "12 34", "1", NotANumber},
        {"Divdiv", "1.5", "2", NotANumber},           {"Divdiv", "4", "2 ", NotANumber},
        {"PuisCalcul", "1.5", "2", NotANumber},       {"PuisCalcul", "+9", "2147483647", OutOfRange},
        {"PuisCalcul", "2", "332192810", OutOfRange},  {"MulCalcul", "1a", "3", NotANumber},
        {"MulCalcul", "9", "238609295", OutOfRange},  {"MulCalcul", "2", "-2147483648", OutOfRange},
        {"sommepuis", "-12", "3", NotANumber},        {"sommepuis", "153", "1.5", OutOfRange},
        {"sommepuis", "19", "2147483647", OutOfRange}, {"sommepuis", "1x9", "2147483647", NotANumber},
        {"AckerSimple", "x", "1", NotANumber},        {"AckerSimple", "4", "3", OutOfRange},
        {"AckerSimple", "3", "2147483645", OutOfRange}, {"ackerman", "1", "2.5", NotANumber},
        {"ackerman", "5", "1", OutOfRange},           {"factorial", "15000000", "", OutOfRange},
        // A "-" after leading zeros is no sign, though the normal form drops
        // the zeros (found by fuzzing: "0-57" was read as -57).
        {"Plusplus", "0-57", "3", NotANumber},        {"Moinsmoins", "3", "00-5", NotANumber},
        {"Mulmul", "2", "0-57", NotANumber},          {"Divdiv", "0-4", "2", NotANumber},
        {"AckerSimple", "3", "0-57", NotANumber}};
    // clang-format on
    for (const auto& refusal : refusals) {
        Text first = refusal.first;
        Text second = refusal.second;
        const std::string what =
            std::string(refusal.procedure) + "('" + refusal.first + "', '" + refusal.second + "')";
        if (refusal.expected == Expected::NotANumber) {
            EXPECT_THROW(call(refusal.procedure, first, second), engine::NotANumber) << what;
        } else {
            EXPECT_THROW(call(refusal.procedure, first, second), engine::OutOfRange) << what;
        }
        EXPECT_EQ(first, refusal.first) << what;
        EXPECT_EQ(second, refusal.second) << what;
    }
}

// The stop is asked for before the call: the first check on the way throws,
// which is the check of the loop that each row's lengths, taken from the
// kernels' thresholds, lead to. Without the stop the same calls end, and the
// loops that report their progress give the bar a length.
TEST(RefusalTest, EachLongLoopStopsWhenAsked) {
    namespace limbs = engine::limbs;
    const auto limbsOf = [](std::size_t n, char digit) { return Text(9 * n, digit); };
    // Products whose transforms run the two primes on two threads.
    std::size_t transform = limbs::kParallelTransformLength / 2;
    while (!limbs::transformPays(transform, transform)) {
        ++transform;
    }
    const std::size_t karatsuba = limbs::kTransformMinimum - 1;
    const std::size_t slices = limbs::kKaratsubaThreshold;
    const std::size_t divisor = limbs::kReciprocalDivisorLimbs;
    const std::size_t quotient = limbs::kReciprocalQuotientLimbs;
    const std::size_t recursive = limbs::kRecursiveDivisorLimbs;
    const std::size_t halves = limbs::kRecursiveQuotientLimbs;
    // the loop, procedure, a, b, whether a loop gives the bar a length
    // clang-format off
    const std::tuple<const char*, const char*, Text, Text, bool> longWork[] = {
        {"Karatsuba", "Mulmul", limbsOf(karatsuba, '7'), limbsOf(karatsuba, '3'), false},
        {"transforms on two threads", "Mulmul", limbsOf(transform, '7'), limbsOf(transform, '3'), true},
        {"squares by transform", "Mulmul", limbsOf(transform, '7'), limbsOf(transform, '7'), true},
        {"slices", "Mulmul", limbsOf(3 * slices, '7'), limbsOf(slices, '3'), true},
        {"Newton's reciprocal", "Divdiv", limbsOf(divisor + quotient, '7'), limbsOf(divisor, '3'), true},
        {"divide-and-conquer division", "Divdiv", limbsOf(recursive + halves, '7'), limbsOf(recursive, '3'), true},
        {"long division", "Divdiv", limbsOf(divisor + quotient, '7'), limbsOf(recursive - 1, '3'), true},
        {"one-limb division", "Divdiv", "1", "7", true},
        {"power", "PuisCalcul", "3", "100000", true},
        {"digit-power sum", "sommepuis", limbsOf(9, '7'), "3", true},
        {"factorial", "factorial", "9999", "", true},
        {"Ackermann, A(5, 0) through a power", "ackerman", "5", "0", true}};
    // clang-format on
    for (const bool stop : {true, false}) {
        for (auto [loop, procedure, first, second, bar] : longWork) {
            engine::JobControl control;
            control.stopRequested = stop;
            const engine::JobScope scope(control);
            if (stop) {
                EXPECT_THROW(call(procedure, first, second), engine::Cancelled) << loop;
            } else {
                EXPECT_NO_THROW(call(procedure, first, second)) << loop;
                EXPECT_EQ(control.stepsTotal > 0, bar) << loop;
            }
        }
    }
}

// Work handed to a worker sees the job of the thread that handed it over: its
// steps reach that job's progress and its checkpoints throw on that job's stop,
// which reaches the caller; so does a failure to allocate, of either kind, on
// either thread, and the pool then serves the next call. Each task waits
// until both threads hold one, so the worker surely runs one of them.
TEST(RefusalTest, EachWorkerStopsWhenAsked) {
    engine::ThreadPool pool(2);
    enum class Failure { None, Stop, BadAlloc, LengthError };
    for (const Failure failure :
         {Failure::None, Failure::Stop, Failure::BadAlloc, Failure::LengthError, Failure::None}) {
        engine::JobControl control;
        const engine::JobScope scope(control);
        engine::ProgressSteps steps(2);
        control.stopRequested = failure == Failure::Stop;
        std::atomic<int> started = 0;
        std::atomic<int> failed = 0;
        const auto run = [&] {
            pool.run(2, [&](std::size_t) {
                for (++started; started < 2;) {
                    std::this_thread::yield();
                }
                try {
                    steps.advance();
                    if (failure == Failure::BadAlloc) {
                        throw std::bad_alloc();
                    }
                    if (failure == Failure::LengthError) {
                        std::string().reserve(std::string().max_size() + 1);
                    }
                } catch (...) {
                    ++failed;
                    throw;
                }
            });
        };
        switch (failure) {
        case Failure::None:
            EXPECT_NO_THROW(run());
            break;
        case Failure::Stop:
            EXPECT_THROW(run(), engine::Cancelled);
            break;
        case Failure::BadAlloc:
            EXPECT_THROW(run(), std::bad_alloc);
            break;
        case Failure::LengthError:
            EXPECT_THROW(run(), std::length_error);
            break;
        }
        EXPECT_EQ(control.stepsDone, 2);
        EXPECT_EQ(failed, failure == Failure::None ? 0 : 2);
    }
    // The machine's threads, capped by CALCULATEUR_THREADS when it is a number from 1 up.
    using Row = std::tuple<unsigned, const char*, std::size_t>;
    const Row rows[] = {{4, nullptr, 4}, {0, nullptr, 1}, {4, "1", 1},  {4, "3", 3}, {2, "8", 2},
                        {4, "0", 4},     {4, "-1", 4},    {4, "2x", 4}, {4, "", 4}};
    for (const auto& [hardware, setting, threads] : rows) {
        EXPECT_EQ(engine::threadsFor(hardware, setting), threads) << (setting ? setting : "unset");
    }
}

} // namespace
