#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

namespace {

using engine::Text;

TEST(PlusplusTest, SumsAndWhatTheArgumentsHoldAfterwards) {
    const oracle::TwoTextCase cases[] = {
        {"999", "1", "1000", "999", "1"},
        {"-5", "-7", "-12", "5", "7"},
        {"12", "0", "12", "12", "0"},
        {"007", "3", "10", "7", "3"},
        {"0", "-7", "-7", "0", "-7"},
        {"5", "-7", "-2", "5", "7"},
        {"-5", "3", "-2", "5", "3"},
        {"-3", "5", "2", "3", "5"},
        {"-007", "-3", "-010", "007", "3"},
        {"99999", "1", "100000", "99999", "1"},
        {"", "5", "5", "0", "5"},
        {"5", "", "5", "5", "0"},
        {"", "", "0", "0", "0"},
        {"+5", "5", "10", "5", "5"},
        {"-0", "5", "5", "-0", "5"},
        {"5", "-0", "5", "5", "0"},
        {"0", "-0", "-0", "0", "-0"},
        {"000", "0.000", "0", "0", "0"},
        {"2.00", "1.0", "3", "2", "1"},
        {"-", "5", "5", "0", "5"},
        // A lone "-" counts as zero: a sum never comes out as "-" or "".
        {"-", "-", "0", "", ""},
        {"0", "-", "0", "0", "-"},
        {"0", ".0", "0", "0", ""},
    };
    for (const auto& c : cases) {
        oracle::expectTwoTextCase(engine::Plusplus, c);
    }
}

TEST(MoinsmoinsTest, DifferencesAndWhatTheArgumentsHoldAfterwards) {
    const oracle::TwoTextCase cases[] = {
        {"5", "5", "0", "5", "5"},
        {"100", "99", "1", "100", "99"},
        {"99", "100", "-1", "99", "100"},
        {"1000", "1", "999", "1000", "1"},
        {"53", "35", "18", "53", "35"},
        {"35", "53", "-18", "35", "53"},
        {"007", "5", "2", "7", "5"},
        {"5", "0", "5", "5", "0"},
        {"0", "5", "-5", "0", "5"},
        {"0", "-5", "5", "0", "-5"},
        {"-0", "0", "-0", "-0", "0"},
        {"-0", "5", "-5", "-0", "5"},
        {"", "", "0", "0", "0"},
        {"", "7", "-7", "0", "7"},
        {"7", "", "7", "7", "0"},
        {"-3", "-5", "2", "5", "3"},
        {"-5", "-3", "-2", "3", "5"},
        {"-3", "5", "-8", "3", "5"},
        {"3", "-5", "8", "3", "5"},
        {"-005", "-50", "45", "50", "5"},
        {"007.0", "50", "-43", "7", "50"},
        {"-000", "-5", "5", "5", "0"},
        {"+5", "3", "2", "5", "3"},
        {"2.00", "1.0", "1", "2", "1"},
        {"-", "5", "-5", "0", "5"},
        {"-", "-", "0", "0", "0"},
        // A lone "-" counts as zero: a difference never comes out as "-" or "".
        {"", "-", "0", "0", "-"},
        {"-", "0", "0", "-", "0"},
    };
    for (const auto& c : cases) {
        oracle::expectTwoTextCase(engine::Moinsmoins, c);
    }
}

TEST(SignedKernelsTest, SameVariableAsBothOperands) {
    const std::tuple<Text, Text, Text> cases[] = {
        {"-3", "-6", "0"}, {"45", "90", "0"}, {"0", "0", "0"}, {"-0", "-0", "-0"}};
    for (const auto& [value, doubled, difference] : cases) {
        Text x = value;
        EXPECT_EQ(engine::Plusplus(x, x), doubled) << value;
        Text y = value;
        EXPECT_EQ(engine::Moinsmoins(y, y), difference) << value;
    }
}

TEST(SignedKernelsTest, NonNumbersThrowAndLeaveNothingBehind) {
    // "0-57" and "00-5" were found by fuzzing: dropping the zeros made the "-" a sign.
    const std::pair<Text, Text> cases[] = {
        {"12a", "5"}, {"5", "1a2"}, {"1.5", "2"},   {"2", "0.5"},  {"1 2", "3"}, {"1,5", "2"},
        {"--5", "3"}, {"3", "--5"}, {"5", "1.2.3"}, {"0", "abc"},  {"abc", "0"}, {"++5", "1"},
        {"5-", "1"},  {"-", "x"},   {"0-57", "3"},  {"3", "00-5"},
    };
    for (const auto& [first, second] : cases) {
        Text a = first;
        Text b = second;
        Text result = "untouched";
        EXPECT_THROW(result = engine::Plusplus(a, b), engine::NotANumber)
            << first << " + " << second;
        EXPECT_THROW(result = engine::Moinsmoins(a, b), engine::NotANumber)
            << first << " - " << second;
        EXPECT_EQ(result, "untouched");
        EXPECT_EQ(a, first);
        EXPECT_EQ(b, second);
    }
}

} // namespace
