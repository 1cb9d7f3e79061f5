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
Answer answerOf(const std::function<Outcome()>& command, Text* result = nullptr) {
    using engine::operations::Refusal;
    Outcome outcome = command();
    if (const auto* refusal = std::get_if<Refusal>(&outcome.result)) {
        return refusal->kind == Refusal::Kind::OutOfRange ? Answer::OutOfRange
               : refusal->kind == Refusal::Kind::Stopped  ? Answer::Stopped
                                                          : Answer::Other;
    }
    if (result != nullptr) {
        *result = std::move(std::get<Text>(outcome.result));
    }
    return Answer::Result;
}

TEST(LimitsTest, TheLongestResultIsAcceptedAndOneDigitMoreRefused) {
    // The long computations, asked to stop before they start: each result
    // of the longest length, then one digit longer.
    // clang-format off
    const std::function<Outcome()> edges[][2] = {
        {[]() -> Outcome { return operations::power("10", "99999999"); },
         []() -> Outcome { return operations::power("10", "100000000"); }},
        {[]() -> Outcome { return operations::power("2", "332192809"); },
         []() -> Outcome { return operations::power("2", "332192810"); }},
        {[]() -> Outcome { return operations::ackermann("3", "332192806"); },
         []() -> Outcome { return operations::ackermann("3", "332192807"); }},
        {[]() -> Outcome { return operations::quotient("1", "3", 100'000'000); },
         []() -> Outcome { return operations::quotient("1", "3", 100'000'001); }}};
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
    EXPECT_EQ(answerOf([&]() -> Outcome { return operations::product("7", nines); }, &result),
              Answer::Result);
    EXPECT_EQ(result.size(), kLongest);
    EXPECT_EQ(result.substr(0, 2) + result.substr(kLongest - 2), "6993");
    EXPECT_EQ(answerOf([&]() -> Outcome { return operations::sum(nines, "1"); }, &result),
              Answer::Result);
    EXPECT_TRUE(result.size() == kLongest && result.starts_with("10") &&
                result.find_first_not_of('0', 1) == Text::npos);
    EXPECT_EQ(
        answerOf([&]() -> Outcome { return operations::difference("-" + nines, "1"); }, &result),
        Answer::Result);
    EXPECT_EQ(result.size(), kLongest + 1); // the "-" and 10^99999999
    for (const auto& command : std::initializer_list<std::function<Outcome()>>{
             [&]() -> Outcome { return operations::product("7", nines + "9"); },
             [&]() -> Outcome { return operations::sum(nines + "9", "1"); },
             [&]() -> Outcome { return operations::difference("-" + nines + "9", "1"); }}) {
        EXPECT_EQ(answerOf(command), Answer::OutOfRange);
    }
}

} // namespace
