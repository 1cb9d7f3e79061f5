#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using engine::Text;

struct TextCase {
    Text input;
    Text expected;
};

TEST(VerifTest, RepairsOnlyALeadingPoint) {
    const TextCase cases[] = {
        {".", "0."},   {"-.", "-0."},   {"", ""},       {"5", "5"},     {"+.5", "+.5"},
        {".5", "0.5"}, {"-.5", "-0.5"}, {"0.5", "0.5"}, {"-5.", "-5."}, {"a.5", "a.5"},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(engine::Verif(input), expected) << "input '" << input << "'";
    }
}

TEST(VerifabTest, WritesBothFieldsBackEvenUnchanged) {
    oracle::FakeWindow window;
    window.fields[engine::Field::Text1] = "-.25";
    window.fields[engine::Field::Text2] = "7";
    engine::Verifab(window);
    EXPECT_EQ(window.fields[engine::Field::Text1], "-0.25");
    EXPECT_EQ(window.fields[engine::Field::Text2], "7");
    EXPECT_EQ(window.writes[engine::Field::Text1], 1);
    EXPECT_EQ(window.writes[engine::Field::Text2], 1);
}

TEST(PaszerodebutTest, DropsOneZeroBeforeANonzeroDigit) {
    const TextCase cases[] = {{"05", "5"},    {"009", "009"}, {"0.25", "0.25"},
                              {"0", "0"},     {"", ""},       {"0200", "200"},
                              {"-05", "-05"}, {"00", "00"},   {"02.50", "2.50"}};
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(engine::Paszerodebut(input), expected) << "input '" << input << "'";
    }
}

struct NormalFormCase {
    Text input;
    Text expected;
    Text argumentAfter;
};

TEST(ZeronettoyageTest, NormalFormAndWhatItLeavesInItsArgument) {
    const NormalFormCase cases[] = {
        {"000", "0", "000"},
        {"0012", "12", "0012"},
        {"0", "0", "0"},
        {"", "0", ""},
        {"+", "0", ""},
        {"+007", "7", "007"},
        {"-0", "-0", "-0"},
        {"-007", "-007", "-007"},
        {"-0.000", "-0", "-0.000"},
        {"0.000", "0", "0.000"},
        {"12.000", "12", "12.000"},
        {"5.", "5", "5."},
        {"12.340", "12.340", "12.340"},
        {"0.5", "0.5", "0.5"},
        {"007.5", "007.5", "007.5"},
        {"007.000", "007", "007.000"},
        {"-000.500", "-000.500", "-000.500"},
        {".5", ".5", ".5"},
        {".0", "", ".0"},
        {".", "", "."},
        {"00.", "00", "00."},
        {"+-5", "-5", "-5"},
        {"0a", "a", "0a"},
    };
    for (const auto& [input, expected, argumentAfter] : cases) {
        Text argument = input;
        EXPECT_EQ(engine::Zeronettoyage(argument), expected) << "input '" << input << "'";
        EXPECT_EQ(argument, argumentAfter) << "input '" << input << "'";
    }
}

TEST(CompnbTest, ComparesEqualLengthsDigitByDigit) {
    struct Case {
        Text first;
        Text second;
        bool expected;
    };
    const Case cases[] = {{"124", "123", true}, {"123", "124", false}, {"5", "5", true},
                          {"", "", true},       {"12", "9", false},    {"9", "12", false},
                          {"90", "89", true},   {"-1", "01", false}};
    for (const auto& [first, second, expected] : cases) {
        EXPECT_EQ(engine::Compnb(first, second), expected) << first << " vs " << second;
    }
}

TEST(ToInt32Test, AcceptsBlanksSignAndDigitsWithinRange) {
    const std::pair<Text, std::optional<std::int32_t>> cases[] = {
        {"50", 50},
        {"  -5", -5},
        {"+7 ", 7},
        {"007", 7},
        {"-0", 0},
        {"2147483647", std::numeric_limits<std::int32_t>::max()},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999999999999999", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"12a", std::nullopt},
        {"1.5", std::nullopt},
        {"1 2", std::nullopt},
        {"--1", std::nullopt},
    };
    for (const auto& [input, expected] : cases) {
        EXPECT_EQ(engine::toInt32(input), expected) << "input '" << input << "'";
    }
}

} // namespace
