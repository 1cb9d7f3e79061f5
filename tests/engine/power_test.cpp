#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using engine::Text;

TEST(PuisCalculTest, PowersAndWhatTheBaseHoldsAfterwards) {
    struct Case {
        Text base;
        std::int32_t exponent;
        Text expected;
        Text baseAfter;
    };
    const Case cases[] = {
        {"2", 10, "1024", "2"},   {"12", 0, "1", "12"},
        {"0", 0, "1", "0"},       {"", 0, "1", ""},
        {"007", 1, "007", "007"}, {"007", 2, "49", "7"},
        {"5", -1, "", "5"},       {"0", 5, "0", "0"},
        {"1", 1000, "1", "1"},    {"10", 20, "1" + Text(20, '0'), "10"},
        {"+5", 2, "25", "5"},     {"", 3, "0", "0"},
    };
    for (const auto& [base, exponent, expected, baseAfter] : cases) {
        Text argument = base;
        EXPECT_EQ(engine::PuisCalcul(argument, exponent), expected) << base << " ^ " << exponent;
        EXPECT_EQ(argument, baseAfter) << base << " ^ " << exponent;
    }
}

TEST(PuisCalculTest, BadBasesAndHopelessPowersThrowAtOnce) {
    Text letters = "abc";
    EXPECT_THROW(engine::PuisCalcul(letters, 2), engine::NotANumber);
    Text decimal = "1.5";
    EXPECT_THROW(engine::PuisCalcul(decimal, 2), engine::NotANumber);
    Text nine = "+9";
    EXPECT_THROW(engine::PuisCalcul(nine, std::numeric_limits<std::int32_t>::max()),
                 engine::OutOfRange);
    Text two = "2";
    EXPECT_THROW(engine::PuisCalcul(two, 400'000'000), engine::OutOfRange);
    // Bases 0 and 1 stay small however large the exponent.
    Text one = "01";
    EXPECT_EQ(engine::PuisCalcul(one, std::numeric_limits<std::int32_t>::max()), "1");
    EXPECT_EQ(one, "1");
}

struct DigitPowerCase {
    Text text;
    Text exponent;
    Text expected;
};

TEST(SommepuisTest, SumsOfDigitPowers) {
    const DigitPowerCase cases[] = {
        {"153", "3", "153"},
        {"370", "3", "370"},
        {"9474", "4", "9474"},
        {"12345", "0", "5"},
        {"153", "1", "9"},
        {"007", "2", "49"},
        {"0", "abc", "0"},
        {"", "3", "0"},
        {"-", "3", "0"},
        {"-0", "3", "0"},
        {"99", "20", "24315330918113857602"},
    };
    for (const auto& [text, exponent, expected] : cases) {
        oracle::FakeWindow window;
        window.fields[engine::Field::Text2] = exponent;
        EXPECT_EQ(engine::sommepuis(text, window), expected) << text << " with b = " << exponent;
    }
}

TEST(SommepuisTest, TextsPastSixteenBitPositionsAreSummedWhole) {
    oracle::FakeWindow window;
    window.fields[engine::Field::Text2] = "5";
    EXPECT_EQ(engine::sommepuis(Text(40000, '1') + "2", window), "40032");
}

TEST(SommepuisTest, NonDigitsAndBadExponentsThrow) {
    const std::pair<Text, Text> notNumbers[] = {
        {"-12", "3"}, {"1.5", "3"}, {"12a", "1"}, {"1 2", "0"}};
    for (const auto& [text, exponent] : notNumbers) {
        oracle::FakeWindow window;
        window.fields[engine::Field::Text2] = exponent;
        EXPECT_THROW(engine::sommepuis(text, window), engine::NotANumber) << text;
    }
    for (const Text exponent : {"", "abc", "1.5", "99999999999"}) {
        oracle::FakeWindow window;
        window.fields[engine::Field::Text2] = exponent;
        EXPECT_THROW(engine::sommepuis("153", window), engine::OutOfRange) << exponent;
    }
}

} // namespace
