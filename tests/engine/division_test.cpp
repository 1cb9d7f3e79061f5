#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

namespace {

using engine::Text;

Text divide(const Text& dividend, const Text& divisor, oracle::FakeWindow& window) {
    Text a = dividend;
    Text b = divisor;
    return engine::Divdiv(a, b, window);
}

Text repeated(char c, std::size_t count) {
    return Text(count, c);
}

TEST(DivdivTest, RawQuotientsAtPrecisionFifty) {
    const std::pair<std::pair<Text, Text>, Text> cases[] = {
        {{"6", "3"}, "2.0"},
        {{"60", "3"}, "20"},
        {{"100", "4"}, "025.0"},
        {{"1000", "5"}, "0200"},
        {{"10", "4"}, "02.50"},
        {{"12", "15"}, "0.80"},
        {{"1", "40"}, "0.0250"},
        {{"7", "3"}, "2." + repeated('3', 50)},
        {{"2", "3"}, "0." + repeated('6', 50)},
        {{"10", "3"}, "03." + repeated('3', 50)},
        {{"-7", "3"}, "-2." + repeated('3', 50)},
        {{"7", "-3"}, "-2." + repeated('3', 50)},
        {{"-6", "-3"}, "2.0"},
        {{"0", "7"}, "0"},
        {{"0", "-7"}, "-0"},
        {{"", "7"}, "0"},
        {{"6", "003"}, "2.0"},
        {{"6", "-03"}, "-2.0"},
        {{"-00", "25"}, "-0.0"},
        {{"1", "1"}, "1.0"},
        {{"123", "-1"}, "-123.0"},
        {{"5.", "2"}, "2.50"},
    };
    for (const auto& [operands, expected] : cases) {
        oracle::FakeWindow window;
        EXPECT_EQ(divide(operands.first, operands.second, window), expected)
            << operands.first << " / " << operands.second;
        EXPECT_EQ(window.precision(), 50);
    }
}

TEST(DivdivTest, ZeroDivisorsAreRefusedWhateverTheDividend) {
    const std::pair<Text, Text> cases[] = {{"5", "0"},    {"-5", "0"}, {"0", "0"},
                                           {"5", ""},     {"5", "-0"}, {"5", "-00"},
                                           {"0", "-000"}, {"", ""},    {"7", "0.00"}};
    for (const auto& [dividend, divisor] : cases) {
        oracle::FakeWindow window;
        EXPECT_EQ(divide(dividend, divisor, window), "Division impossible")
            << dividend << " / " << divisor;
        EXPECT_EQ(window.writes[engine::Field::Text4], 0);
    }
}

TEST(DivdivTest, ArgumentsAreLeftNormalisedAndUnsigned) {
    oracle::FakeWindow window;
    Text a = "-0012";
    Text b = "-04";
    EXPECT_EQ(engine::Divdiv(a, b, window), "03.0");
    EXPECT_EQ(a, "12");
    EXPECT_EQ(b, "4");
}

TEST(DivdivTest, PrecisionBelowFiftyIsRaisedAndShown) {
    oracle::FakeWindow window;
    window.setPrecision(10);
    EXPECT_EQ(divide("1", "3", window), "0." + repeated('3', 50));
    EXPECT_EQ(window.precision(), 50);
    EXPECT_EQ(window.fields[engine::Field::Text4], "50");
}

TEST(DivdivTest, HigherPrecisionGivesMoreDigits) {
    oracle::FakeWindow window;
    window.setPrecision(60);
    EXPECT_EQ(divide("1", "3", window), "0." + repeated('3', 60));
    EXPECT_EQ(window.writes[engine::Field::Text4], 0);
}

TEST(DivdivTest, ExactQuotientWithPrecisionDigitsStillGetsTheSurplusZero) {
    // 1 / 2^50 has exactly fifty digits after the point.
    oracle::FakeWindow window;
    const Text raw = divide("1", "1125899906842624", window);
    EXPECT_EQ(engine::Analysesort(raw), 51);
    EXPECT_EQ(raw.back(), '0');
    EXPECT_EQ(oracle::decimalValue(raw), mpq_class(1, mpz_class("1125899906842624")));
}

TEST(DivdivTest, DivisorsFarLongerThanTheDividendStopAtThePrecision) {
    const Text fifty = repeated('0', 50);
    const std::pair<std::pair<Text, Text>, Text> cases[] = {
        {{"1", "1" + repeated('0', 60)}, "0." + fifty},
        {{"-1", "1" + repeated('0', 60)}, "-0." + fifty},
        {{"7", "3" + repeated('0', 51) + "1"}, "0." + fifty},
        {{"7", "3" + repeated('0', 50) + "1"}, "0." + fifty},
        {{"7", "3" + repeated('0', 49) + "1"}, "0." + repeated('0', 49) + "2"},
    };
    for (const auto& [operands, expected] : cases) {
        oracle::FakeWindow window;
        EXPECT_EQ(divide(operands.first, operands.second, window), expected)
            << operands.first << " / " << operands.second;
    }
}

TEST(DivdivTest, NonIntegersThrow) {
    const std::pair<Text, Text> cases[] = {
        {"1.5", "2"}, {"4", "0.5"}, {"1a", "2"}, {"0", "x"},
        {"--4", "2"}, {"4", "2 "},  {"0-4", "2"}}; // "-" after a zero, found by fuzzing
    for (const auto& [dividend, divisor] : cases) {
        oracle::FakeWindow window;
        EXPECT_THROW(divide(dividend, divisor, window), engine::NotANumber)
            << dividend << " / " << divisor;
    }
}

struct DigitCase {
    Text partial;
    Text divisor;
    std::int16_t digit;
    Text remainder;
};

TEST(QuotientDigitTest, EqualLengthPartialDividend) {
    const DigitCase cases[] = {
        {"7", "3", 2, "1"},   {"1", "4", 0, "1"},    {"0", "3", 0, "untouched"},
        {"45", "45", 1, "0"}, {"49", "45", 1, "4"},  {"41", "45", 0, "untouched"},
        {"99", "11", 9, "0"}, {"80", "27", 2, "26"},
    };
    for (const auto& [partial, divisor, digit, remainder] : cases) {
        Text div = divisor;
        Text reste = "untouched";
        EXPECT_EQ(engine::Quotient1chif(partial, div, reste), digit) << partial << " / " << divisor;
        EXPECT_EQ(reste, remainder) << partial << " / " << divisor;
        EXPECT_EQ(div, divisor);
    }
}

TEST(QuotientDigitTest, PartialDividendOneDigitLonger) {
    const DigitCase cases[] = {
        {"10", "4", 2, "2"},        {"20", "4", 5, "0"},
        {"0", "4", 0, "untouched"}, {"100", "11", 9, "1"},
        {"120", "13", 9, "3"},      {"95", "10", 9, "5"},
        {"10", "9", 1, "1"},        {"899", "999", 0, "untouched"},
    };
    for (const auto& [partial, divisor, digit, remainder] : cases) {
        Text div = divisor;
        Text reste = "untouched";
        EXPECT_EQ(engine::Quotient2chif(partial, div, reste), digit) << partial << " / " << divisor;
        EXPECT_EQ(reste, remainder) << partial << " / " << divisor;
    }
}

TEST(AnalysesortTest, CountsCharactersAfterTheFirstPoint) {
    const std::pair<Text, std::int32_t> cases[] = {{"12.345", 3}, {"12.", 0}, {"12", 0},  {".", 0},
                                                   {"1.2.3", 3},  {"", 0},    {"-0.5", 1}};
    for (const auto& [text, count] : cases) {
        EXPECT_EQ(engine::Analysesort(text), count) << text;
    }
}

} // namespace
