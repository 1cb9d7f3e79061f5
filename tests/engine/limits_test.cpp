// SPDX-License-Identifier: GPL-3.0-or-later
// The longest result at its edge, for each command that can reach it: a
// result of exactly MaxResultDigits digits is accepted, one more refused
// before any work. The long computations are asked to stop before they
// start, so that accepted means they began (Cancelled) and refused means
// OutOfRange came first; sums, differences and products of a long operand
// by a short one are linear and are computed whole.
#include "engine/operations.h"
#include "engine/runtime/job_control.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using engine::Text;
using engine::operations::Outcome;
namespace operations = engine::operations;

constexpr auto kLongest = static_cast<std::size_t>(engine::MaxResultDigits);

// What a command gave: its result, or which refusal.
enum class Answer { Result, OutOfRange, Stopped, Other };
Answer answerOf(const std::function<void(Outcome&)>& command, Text* result = nullptr) {
    Outcome outcome;
    try {
        command(outcome);
    } catch (const engine::OutOfRange&) {
        return Answer::OutOfRange;
    } catch (const engine::Cancelled&) {
        return Answer::Stopped;
    } catch (...) {
        return Answer::Other;
    }
    if (result != nullptr) {
        *result = std::move(outcome.result);
    }
    return Answer::Result;
}

TEST(LimitsTest, TheLongestResultIsAcceptedAndOneDigitMoreRefused) {
    // The long computations, asked to stop before they start: each result
    // of the longest length, then one digit longer.
    // clang-format off
    const std::function<void(Outcome&)> edges[][2] = {
        {[](Outcome& o) { operations::power("10", "99999999", o); },
         [](Outcome& o) { operations::power("10", "100000000", o); }},
        {[](Outcome& o) { operations::power("2", "332192809", o); },
         [](Outcome& o) { operations::power("2", "332192810", o); }},
        {[](Outcome& o) { operations::ackermann("3", "332192806", o); },
         [](Outcome& o) { operations::ackermann("3", "332192807", o); }},
        {[](Outcome& o) { operations::quotient("1", "3", 100'000'000, o); },
         [](Outcome& o) { operations::quotient("1", "3", 100'000'001, o); }}};
    // clang-format on
    for (std::size_t row = 0; row < std::size(edges); ++row) {
        engine::JobControl control;
        control.stopRequested = true;
        const engine::JobScope scope(control);
        EXPECT_EQ(answerOf(edges[row][0]), Answer::Stopped) << "row " << row;
        EXPECT_EQ(answerOf(edges[row][1]), Answer::OutOfRange) << "row " << row;
    }

    // Linear work, computed whole: 7 (10^99999999 - 1), 10^99999999 - 1 + 1
    // and -(10^99999999 - 1) - 1, then each with one digit more.
    const Text nines(kLongest - 1, '9');
    Text result;
    EXPECT_EQ(answerOf([&](Outcome& o) { operations::product("7", nines, o); }, &result),
              Answer::Result);
    EXPECT_EQ(result.size(), kLongest);
    EXPECT_EQ(result.substr(0, 2) + result.substr(kLongest - 2), "6993");
    EXPECT_EQ(answerOf([&](Outcome& o) { operations::sum(nines, "1", o); }, &result),
              Answer::Result);
    EXPECT_TRUE(result.size() == kLongest && result.starts_with("10") &&
                result.find_first_not_of('0', 1) == Text::npos);
    EXPECT_EQ(answerOf([&](Outcome& o) { operations::difference("-" + nines, "1", o); }, &result),
              Answer::Result);
    EXPECT_EQ(result.size(), kLongest + 1); // the "-" and 10^99999999
    for (const auto& command : std::initializer_list<std::function<void(Outcome&)>>{
             [&](Outcome& o) { operations::product("7", nines + "9", o); },
             [&](Outcome& o) { operations::sum(nines + "9", "1", o); },
             [&](Outcome& o) { operations::difference("-" + nines + "9", "1", o); }}) {
        EXPECT_EQ(answerOf(command), Answer::OutOfRange);
    }
}

} // namespace
