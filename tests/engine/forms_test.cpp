// SPDX-License-Identifier: GPL-3.0-or-later
// The forms that values alone do not pin: repaired, normalised and split
// texts, "-0", leading zeros kept, raw quotients, and what each procedure
// leaves in its arguments in those cases. Values are the differential tests'.
#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>

namespace {

using engine::Text;

// A procedure of two texts that rewrites them: the two texts, what it gives,
// and what it leaves in each.
using Row = std::array<Text, 5>;

void expectRows(const std::function<Text(Text&, Text&)>& procedure,
                std::initializer_list<Row> rows) {
    for (const auto& [first, second, expected, firstAfter, secondAfter] : rows) {
        Text a = first;
        Text b = second;
        const std::string operands = "'" + first + "', '" + second + "'";
        EXPECT_EQ(procedure(a, b), expected) << operands;
        EXPECT_EQ(a + "|" + b, firstAfter + "|" + secondAfter) << "arguments after " << operands;
    }
}

TEST(NumberTextTest, RepairsNormalFormsAndComparisons) {
    // input, Verif, Paszerodebut
    // clang-format off
    const std::tuple<Text, Text, Text> repairs[] = {
        {".", "0.", "."},       {"-.", "-0.", "-."},     {"+.5", "+.5", "+.5"}, {"-.5", "-0.5", "-.5"},
        {"05", "05", "5"},      {"009", "009", "009"},   {"0", "0", "0"},       {"-05", "-05", "-05"},
        {"02.50", "02.50", "2.50"}};
    // input, normal form, argument after
    const std::tuple<Text, Text, Text> normalForms[] = {
        {"000", "0", "000"},        {"", "0", ""},                {"+", "0", ""},      {"+007", "7", "007"},
        {"-007", "-007", "-007"},   {"-0.000", "-0", "-0.000"},   {"12.340", "12.340", "12.340"},
        {"007.000", "007", "007.000"}, {"-000.500", "-000.500", "-000.500"}, {".0", "", ".0"},
        {"00.", "00", "00."},       {"+-5", "-5", "-5"},          {"0a", "a", "0a"}};
    // clang-format on
    for (const auto& [input, verif, paszerodebut] : repairs) {
        EXPECT_EQ(engine::Verif(input), verif) << input;
        EXPECT_EQ(engine::Paszerodebut(input), paszerodebut) << input;
    }
    for (const auto& [input, normal, after] : normalForms) {
        Text argument = input;
        EXPECT_EQ(engine::Zeronettoyage(argument), normal) << input;
        EXPECT_EQ(argument, after) << input;
    }
    EXPECT_TRUE(engine::Compnb("", "") && engine::Compnb("90", "89") && engine::DecimalYN("."));
    EXPECT_FALSE(engine::Compnb("12", "9") || engine::Compnb("9", "12") || engine::DecimalYN(""));
    EXPECT_EQ(engine::toInt32("  -5"), -5);
    EXPECT_EQ(engine::toInt32("+7 "), 7);
    EXPECT_EQ(engine::toInt32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const Text bad : {"2147483648", "-2147483649", "", "   ", "-", "1.5", "1 2", "--1"}) {
        EXPECT_EQ(engine::toInt32(bad), std::nullopt) << bad;
    }
}

TEST(DecimalSplitTest, PartsCountsAndArguments) {
    // input, integer part, count, argument after; fraction; point-free text, argument after
    // clang-format off
    const std::tuple<Text, Text, std::int32_t, Text, Text, Text, Text> rows[] = {
        {"-3.25", "-3", 2, "-3.25", "25",  "-325", "-3.25"}, {"12.00", "12", 0, "12",   "", "12", "12"},
        {"12.",   "12", 0, "12.",   "",    "12",   "12"},    {".5",    "",   1, ".5",   "5", "5", ".5"},
        {"1.2.3", "1",  3, "1.2.3", "2.3", "123",  "1.2.3"}, {".",     "",   0, ".",    "", "",   ""},
        {"-.00",  "-",  0, "-",     "",    "-",    "-"}};
    // clang-format on
    for (const auto& [input, integerPart, count, after, fraction, pointFree, afterPointFree] :
         rows) {
        Text argument = input;
        std::int32_t nb = -99;
        const Text part = engine::Entdecimal(argument, nb);
        EXPECT_EQ(std::tuple(part, nb, argument), std::tuple(integerPart, count, after)) << input;
        EXPECT_EQ(engine::Partdecimale(argument = input), fraction) << input;
        EXPECT_EQ(engine::SansVirgule(argument = input), pointFree) << input;
        EXPECT_EQ(argument, afterPointFree) << input;
    }
}

TEST(SignedSumTest, ZeroFormsLeadingZerosAndLoneSigns) {
    // clang-format off
    expectRows(engine::Plusplus, {
        {"-007", "-3", "-010", "007", "3"}, {"007.", "3", "010", "007", "3"}, {"0", "-0", "-0", "0", "-0"},
        {"-0", "5", "5", "-0", "5"},        {"5", "-0", "5", "5", "0"},       {"0", "-7", "-7", "0", "-7"},
        {"-5", "3", "-2", "5", "3"},        {"-", "-", "0", "", ""},          {"0", "-", "0", "0", "-"},
        {"00.0", "-7", "-7", "0", "7"}});
    expectRows(engine::Moinsmoins, {
        {"-0", "0", "-0", "-0", "0"},       {"-3", "-5", "2", "5", "3"},      {"-005", "-50", "45", "50", "5"},
        {"007.0", "50", "-43", "7", "50"},  {"-00", "0", "-00", "-00", "0"},  {"-00", "00.0", "-0", "0", "0"},
        {"3", "-5", "8", "3", "5"},         {"", "-", "0", "0", "-"},         {"-", "5", "-5", "0", "5"}});
    // clang-format on
}

TEST(ProductTest, FormsSignsAndPoints) {
    // clang-format off
    expectRows(engine::Mulmul, {
        {"1.25", "2", "2.50", "125", "2"},   {"1.5", "2", "3", "15", "2"},     {"0.05", "0.5", "0.025", "005", "05"},
        {"-1.50", "1.1", "-1.650", "150", "11"}, {"-5", "0", "-0", "5", "0"},  {"-0", "-5", "0", "0", "5"},
        {"-007", "3", "-21", "007", "3"},    {"+2", "-.5", "-1", "2", "5"},    {"5", "-", "-0", "5", ""}});
    const std::tuple<Text, std::int32_t, Text> multiplied[] = {
        {"123", 0, "000"}, {"05", 1, "05"}, {"-12", -3, "36"}, {"0", -3, "0"}, {"-123", 0, "000"},
        {"", 5, ""},       {"99", 214748364, "21260088036"}};
    // clang-format on
    for (const auto& [digits, multiplier, expected] : multiplied) {
        Text argument = digits;
        EXPECT_EQ(engine::MulCalcul(argument, multiplier), expected) << digits;
        EXPECT_EQ(argument, digits);
    }
    Text carry = "junk";
    EXPECT_EQ(engine::ResuPartiel("123", carry) + "|" + carry, "3|12");
    EXPECT_EQ(engine::ResuPartiel("7", carry) + "|" + carry, "7|");
}

TEST(QuotientTest, RawFormsAndDigitProcedures) {
    const Text fifty(50, '0');
    // clang-format off
    const std::pair<std::pair<Text, Text>, Text> rows[] = {
        {{"6", "3"}, "2.0"},     {{"60", "3"}, "20"},       {{"100", "4"}, "025.0"},   {{"1000", "5"}, "0200"},
        {{"10", "4"}, "02.50"},  {{"12", "15"}, "0.80"},    {{"1", "40"}, "0.0250"},   {{"0", "-7"}, "-0"},
        {{"-00", "25"}, "-0.0"}, {{"-00", "2500"}, "-0.000"}, {{"6", "-03"}, "-2.0"},  {{"5", "-00"}, "Division impossible"},
        {{"", ""}, "Division impossible"},                  {{"10", "3"}, "03." + Text(50, '3')},
        {{"1", "1" + Text(60, '0')}, "0." + fifty},         {{"7", "3" + Text(49, '0') + "1"}, "0." + Text(49, '0') + "2"},
        // 1 / 2^50 ends exactly at the fiftieth digit and still gets its surplus "0".
        {{"1", "1125899906842624"}, "0.000000000000000888178419700125232338905334472656250"}};
    // clang-format on
    for (const auto& [operands, expected] : rows) {
        std::int32_t precision = 50;
        Text a = operands.first;
        Text b = operands.second;
        EXPECT_EQ(engine::Divdiv(a, b, precision), expected)
            << operands.first << " / " << operands.second;
    }
    std::int32_t precision = 10;
    Text same = "-0012";
    EXPECT_EQ(engine::Divdiv(same, same, precision), "1.0");
    EXPECT_EQ(same, "12");
    EXPECT_EQ(precision, 50);
    EXPECT_EQ(engine::Analysesort("1.2.3"), 3);

    // partial, divisor: Quotient1chif's digit and remainder, then Quotient2chif's
    // clang-format off
    const std::tuple<Text, Text, int, Text, int, Text> digits[] = {
        {"0", "3", 0, "untouched", 0, "untouched"},  {"41", "45", 0, "untouched", 0, "untouched"},
        {"1", "4", 0, "1", 0, "untouched"},          {"80", "27", 2, "26", 2, "26"},
        {"120", "13", 9, "3", 9, "3"},               {"899", "999", 0, "899", 0, "untouched"}};
    // clang-format on
    for (const auto& [partial, divisor, first, firstRest, second, secondRest] : digits) {
        Text div = divisor;
        Text reste = "untouched";
        const int one = engine::Quotient1chif(partial, div, reste);
        Text rest = "untouched";
        const int two = engine::Quotient2chif(partial, div, rest);
        EXPECT_EQ(std::tuple(one, reste, two, rest, div),
                  std::tuple(first, firstRest, second, secondRest, divisor))
            << partial << " / " << divisor;
    }
}

TEST(PowerTest, FormsOfBasesAndExponents) {
    // clang-format off
    const std::tuple<Text, std::int32_t, Text, Text> rows[] = {
        {"007", 1, "007", "007"}, {"007", 2, "49", "7"},  {"007.0", 2, "49", "007"}, {"007.0", 3, "343", "7"},
        {"", 0, "1", ""},         {"5", -1, "", "5"},     {"+5", 2, "25", "5"},      {"000.0", 3, "0", "0"},
        {"01", std::numeric_limits<std::int32_t>::max(), "1", "1"}};
    // clang-format on
    for (const auto& [base, exponent, expected, baseAfter] : rows) {
        Text argument = base;
        EXPECT_EQ(engine::PuisCalcul(argument, exponent), expected) << base << " ^ " << exponent;
        EXPECT_EQ(argument, baseAfter) << base << " ^ " << exponent;
    }
    for (const auto& [text, b, expected] : std::initializer_list<std::tuple<Text, Text, Text>>{
             {"12345", "0", "5"},
             {"-0", "abc", "0"},
             {"-", "3", "0"},
             {"153", "-3", "0"},
             {Text(40000, '1') + "2", "5", "40032"}}) {
        EXPECT_EQ(engine::sommepuis(text, b), expected) << text.substr(0, 20) << " b=" << b;
    }
    EXPECT_EQ(engine::factorial(-3), "1");
}

} // namespace
