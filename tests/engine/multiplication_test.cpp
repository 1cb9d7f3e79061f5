#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using engine::Text;

TEST(MulCalculTest, DigitStringTimesMachineInteger) {
    struct Case {
        Text digits;
        std::int32_t multiplier;
        Text expected;
    };
    const Case cases[] = {
        {"15", 2, "30"},
        {"999", 12, "11988"},
        {"12", -3, "-36"},
        {"-12", -3, "36"},
        {"-12", 3, "-36"},
        {"0", -3, "0"},
        {"123", 0, "000"},
        {"05", 1, "05"},
        {"05", 3, "15"},
        {"", 5, ""},
        {"-123", 0, "000"},
        {"7", 9999, "69993"},
        {"1", std::numeric_limits<std::int32_t>::max(), "2147483647"},
        {"99", 214748364, "21260088036"},
    };
    for (const auto& [digits, multiplier, expected] : cases) {
        Text argument = digits;
        EXPECT_EQ(engine::MulCalcul(argument, multiplier), expected)
            << digits << " x " << multiplier;
        EXPECT_EQ(argument, digits);
    }
}

TEST(MulCalculTest, StepsBeyond32BitsAndNonDigitsThrow) {
    Text two = "2";
    EXPECT_THROW(engine::MulCalcul(two, std::numeric_limits<std::int32_t>::max()),
                 engine::OutOfRange);
    EXPECT_THROW(engine::MulCalcul(two, std::numeric_limits<std::int32_t>::min()),
                 engine::OutOfRange);
    Text nine = "9";
    EXPECT_THROW(engine::MulCalcul(nine, 238609295), engine::OutOfRange);
    Text letters = "1a";
    EXPECT_THROW(engine::MulCalcul(letters, 3), engine::NotANumber);
    EXPECT_EQ(letters, "1a");
}

TEST(ResuPartielTest, LastDigitAndCarry) {
    const std::tuple<Text, Text, Text> cases[] = {{"123", "3", "12"}, {"7", "7", ""}, {"", "", ""}};
    for (const auto& [partial, digit, carry] : cases) {
        Text iret = "junk";
        EXPECT_EQ(engine::ResuPartiel(partial, iret), digit);
        EXPECT_EQ(iret, carry);
    }
}

TEST(MulmulTest, ProductFormAndWhatTheArgumentsHoldAfterwards) {
    const oracle::TwoTextCase cases[] = {
        {"12", "34", "408", "12", "34"},
        {"99", "99", "9801", "99", "99"},
        {"1.25", "2", "2.50", "125", "2"},
        {"1.5", "2", "3", "15", "2"},
        {"0.5", "0.5", "0.25", "05", "05"},
        {"0.05", "0.5", "0.025", "005", "05"},
        {"-3", "4", "-12", "3", "4"},
        {"-3", "-4", "12", "3", "4"},
        {"-5", "0", "-0", "5", "0"},
        {"0", "7", "0", "0", "7"},
        {"7", "0", "0", "7", "0"},
        {"0", "-5", "-0", "0", "5"},
        {"-0", "-5", "0", "0", "5"},
        {"", "5", "0", "0", "5"},
        {"123456789", "9", "1111111101", "123456789", "9"},
        {"9", "123456789", "1111111101", "9", "123456789"},
        {"-1.50", "2", "-3", "150", "2"},
        {"-1.50", "1.1", "-1.650", "150", "11"},
        {"0.001", "0.001", "0.000001", "0001", "0001"},
        {"007", "3", "21", "7", "3"},
        {"-007", "3", "-21", "007", "3"},
        {"5.", "2", "10", "5", "2"},
        {"2.5", "4", "10", "25", "4"},
        {"+2", "-.5", "-1", "2", "5"},
        {"-0.0", "3", "-0", "0", "3"},
        {"5", "-", "-0", "5", ""},
        {"-", "-", "0", "", ""},
    };
    for (const auto& c : cases) {
        oracle::expectTwoTextCase(engine::Mulmul, c);
    }
}

TEST(MulmulTest, SameVariableAsBothOperands) {
    const std::pair<Text, Text> cases[] = {
        {"-3", "9"}, {"1.5", "2.25"}, {"-0", "0"}, {"12", "144"}};
    for (const auto& [value, square] : cases) {
        Text x = value;
        EXPECT_EQ(engine::Mulmul(x, x), square) << value;
    }
}

TEST(MulmulTest, NonNumbersThrowAndLeaveTheArgumentsAlone) {
    const std::pair<Text, Text> cases[] = {{"1a", "2"},    {"2", "1.2.3"},
                                           {"--5", "3"},   {"1,5", "2"},
                                           {"2", " 3"},    {"0", "x"},
                                           {"12 34", "1"}, {"5", "-1-"},
                                           {"2", "0-57"}}; // "-" after a zero, found by fuzzing
    for (const auto& [first, second] : cases) {
        Text a = first;
        Text b = second;
        EXPECT_THROW(engine::Mulmul(a, b), engine::NotANumber) << first << " x " << second;
        EXPECT_EQ(a, first);
        EXPECT_EQ(b, second);
    }
}

} // namespace
