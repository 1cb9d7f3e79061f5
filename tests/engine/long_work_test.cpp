// Long computations stop when asked to, from each of their long loops, and
// leave no partial result; their progress is seen from another thread.
#include "engine/engine.h"
#include "engine/progress.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

using engine::Text;

struct LongWork {
    const char* name;
    std::function<Text()> run;
};

std::vector<LongWork> longWork(Text& a, Text& b, oracle::FakeWindow& window) {
    return {
        {"Karatsuba", [&] { return engine::Mulmul(a, b); }},
        {"transform", [&] { return engine::Mulmul(a = Text(50'000, '7'), b = Text(50'000, '3')); }},
        {"lopsided", [&] { return engine::Mulmul(a = Text(9'000, '7'), b = Text(2'000, '3')); }},
        {"power", [&] { return engine::PuisCalcul(a = "3", 100'000); }},
        {"division",
         [&] { return engine::Divdiv(a = Text(5'000, '7'), b = Text(2'000, '3'), window); }},
        {"one-limb division", [&] { return engine::Divdiv(a = "1", b = "7", window); }},
        {"digit-power sum", [&] { return engine::sommepuis(Text(100'000, '7'), window); }},
        {"factorial", [] { return engine::factorial(9999); }},
        {"Ackermann", [&] { return engine::ackerman(a = "5", b = "0"); }},
    };
}

TEST(LongWorkTest, EachLongLoopStopsWhenAsked) {
    Text a = Text(2'000, '7');
    Text b = Text(2'000, '3');
    oracle::FakeWindow window(100'000);
    window.fields[engine::Field::Text2] = "3";
    for (const auto& work : longWork(a, b, window)) {
        engine::JobControl control;
        control.stopRequested = true;
        const engine::JobScope scope(control);
        EXPECT_THROW(work.run(), engine::Cancelled) << work.name;
    }
    // Without a stop, the same work ends, which shows that the stop came from the flag.
    for (const auto& work : longWork(a, b, window)) {
        EXPECT_NO_THROW(work.run()) << work.name;
    }
}

// The window's use: a worker computes, the window watches its progress and stops it.
TEST(LongWorkTest, AStopFromAnotherThreadEndsAPowerSoon) {
    engine::JobControl control;
    bool cancelled = false;
    std::thread worker([&] {
        const engine::JobScope scope(control);
        Text base = "2";
        try {
            engine::PuisCalcul(base, 66'000'000);
        } catch (const engine::Cancelled&) {
            cancelled = true;
        }
    });
    while (control.stepsDone.load() == 0) {
        std::this_thread::yield();
    }
    // Each bit after the first weighs the length of the power after it.
    EXPECT_GT(control.stepsTotal.load(), 66'000'000);
    EXPECT_LT(control.stepsTotal.load(), 2 * 66'000'000);
    const auto asked = std::chrono::steady_clock::now();
    control.stopRequested = true;
    worker.join();
    EXPECT_TRUE(cancelled);
    EXPECT_LT(std::chrono::steady_clock::now() - asked, std::chrono::seconds(2));
}

} // namespace
