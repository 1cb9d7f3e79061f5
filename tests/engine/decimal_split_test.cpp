#include "engine/engine.h"

#include <gtest/gtest.h>

namespace {

using engine::Text;

struct SplitCase {
    Text input;
    Text expected;
    std::int32_t count;
    Text argumentAfter;
};

TEST(EntdecimalTest, IntegerPartCountAndArgument) {
    const SplitCase cases[] = {
        {"123", "123", 0, "123"},    {"12.5", "12", 1, "12.5"}, {"12.50", "12", 2, "12.50"},
        {"-3.25", "-3", 2, "-3.25"}, {"12.00", "12", 0, "12"},  {"0.0", "0", 0, "0"},
        {"12.", "12", 0, "12."},     {".5", "", 1, ".5"},       {"1.2.3", "1", 3, "1.2.3"},
        {".", "", 0, "."},           {"", "", 0, ""},           {"-.00", "-", 0, "-"},
        {"1.0.0", "1", 3, "1.0.0"},
    };
    for (const auto& [input, expected, count, argumentAfter] : cases) {
        Text argument = input;
        std::int32_t nb = -99;
        EXPECT_EQ(engine::Entdecimal(argument, nb), expected) << "input '" << input << "'";
        EXPECT_EQ(nb, count) << "input '" << input << "'";
        EXPECT_EQ(argument, argumentAfter) << "input '" << input << "'";
    }
}

TEST(PartdecimaleTest, FractionDigitsAndArgument) {
    const SplitCase cases[] = {
        {"12.50", "50", 0, "12.50"},
        {"-3.25", "25", 0, "-3.25"},
        {".5", "5", 0, ".5"},
        {"1.2.3", "2.3", 0, "1.2.3"},
        {"12", "", 0, "12"},
        {"12.", "", 0, "12."},
        {"", "", 0, ""},
        {"12.00", "", 0, "12"},
    };
    for (const auto& [input, expected, unused, argumentAfter] : cases) {
        Text argument = input;
        EXPECT_EQ(engine::Partdecimale(argument), expected) << "input '" << input << "'";
        EXPECT_EQ(argument, argumentAfter) << "input '" << input << "'";
    }
}

TEST(SansVirguleTest, PointFreeTextAndArgument) {
    const SplitCase cases[] = {
        {"12.50", "1250", 0, "12.50"}, {"-1.5", "-15", 0, "-1.5"}, {"1.2.3", "123", 0, "1.2.3"},
        {".5", "5", 0, ".5"},          {"123", "123", 0, "123"},   {"12.00", "12", 0, "12"},
        {"12.", "12", 0, "12"},        {".", "", 0, ""},           {"", "", 0, ""},
    };
    for (const auto& [input, expected, unused, argumentAfter] : cases) {
        Text argument = input;
        EXPECT_EQ(engine::SansVirgule(argument), expected) << "input '" << input << "'";
        EXPECT_EQ(argument, argumentAfter) << "input '" << input << "'";
    }
}

} // namespace
