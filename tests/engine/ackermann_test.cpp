#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

namespace {

using engine::Text;

Text closedForm(const Text& a, const Text& b) {
    Text first = a;
    Text second = b;
    return engine::AckerSimple(first, second);
}

Text recursive(const Text& m, const Text& n) {
    Text first = m;
    Text second = n;
    return engine::ackerman(first, second);
}

TEST(AckerSimpleTest, ClosedFormsForAUpToFour) {
    const std::tuple<Text, Text, Text> cases[] = {
        {"0", "0", "1"},    {"1", "0", "2"},
        {"2", "0", "3"},    {"3", "0", "5"},
        {"4", "0", "13"},   {"0", "5", "6"},
        {"1", "5", "7"},    {"2", "5", "13"},
        {"3", "5", "253"},  {"4", "1", "65533"},
        {"2", "007", "17"}, {"5", "0", ""},
        {" -1", "3", ""},   {"0", "999999999999999999999", "1000000000000000000000"},
    };
    for (const auto& [a, b, expected] : cases) {
        EXPECT_EQ(closedForm(a, b), expected) << "A(" << a << ", " << b << ")";
    }
}

TEST(AckerSimpleTest, FourTwoIsTwoToThe65536MinusThree) {
    const Text value = closedForm("4", "2");
    EXPECT_EQ(value.size(), 19729u);
    EXPECT_EQ(value.substr(value.size() - 2), "33");
    mpz_class expected;
    mpz_ui_pow_ui(expected.get_mpz_t(), 2, 65536);
    EXPECT_EQ(value, mpz_class(expected - 3).get_str());
}

TEST(AckerSimpleTest, ThreeMatchesPowersOfTwo) {
    for (const unsigned long b : {1ul, 10ul, 100ul, 1000ul, 5000ul}) {
        mpz_class expected;
        mpz_ui_pow_ui(expected.get_mpz_t(), 2, b + 3);
        EXPECT_EQ(closedForm("3", std::to_string(b)), mpz_class(expected - 3).get_str()) << b;
    }
}

TEST(AckerSimpleTest, ExponentsBeyond32BitsAreRefusedAtOnce) {
    const std::pair<Text, Text> outOfRange[] = {
        {"4", "3"}, {"4", "65533"}, {"3", "2147483645"}, {"3", "2147483644"}, {"99999999999", "1"}};
    for (const auto& [a, b] : outOfRange) {
        EXPECT_THROW(closedForm(a, b), engine::OutOfRange) << "A(" << a << ", " << b << ")";
    }
    EXPECT_THROW(closedForm("x", "1"), engine::NotANumber);
    EXPECT_THROW(closedForm("2", "abc"), engine::NotANumber);
    EXPECT_THROW(closedForm("4", "1a"), engine::NotANumber);
    EXPECT_THROW(closedForm("3", "0-57"), engine::NotANumber); // found by fuzzing: was -3
}

TEST(AckermanTest, RecursiveDefinition) {
    const std::tuple<Text, Text, Text> cases[] = {
        {"0", "0", "1"},     {"1", "0", "2"},           {"2", "1", "5"},
        {"3", "5", "253"},   {"1", "00", "2"},          {"005", "0", "65533"},
        {"5", "0", "65533"}, {"1", "100000", "100002"}, {"+2", "3", "9"},
    };
    for (const auto& [m, n, expected] : cases) {
        EXPECT_EQ(recursive(m, n), expected) << "A(" << m << ", " << n << ")";
    }
}

TEST(AckermanTest, ArgumentsComeBackNormalised) {
    Text m = "001";
    Text n = "00";
    EXPECT_EQ(engine::ackerman(m, n), "2");
    EXPECT_EQ(m, "1");
    EXPECT_EQ(n, "0");
}

TEST(AckermanTest, HopelessArgumentsEndWithAnErrorQuickly) {
    const std::pair<Text, Text> cases[] = {
        {"5", "1"}, {"6", "0"}, {"5", "1000000000000"}, {"100", "100"}, {"4", "3"}};
    for (const auto& [m, n] : cases) {
        EXPECT_THROW(recursive(m, n), engine::OutOfRange) << "A(" << m << ", " << n << ")";
    }
    EXPECT_THROW(recursive("-1", "1"), engine::NotANumber);
    EXPECT_THROW(recursive("1", "2.5"), engine::NotANumber);
}

} // namespace
