// Every procedure that computes refuses what it cannot compute with one of
// the engine's errors, and then has changed nothing in its arguments.
#include "engine/engine.h"
#include "oracle.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using engine::Text;

enum class Expected { NotANumber, OutOfRange };

struct Refusal {
    const char* procedure;
    Text first;
    Text second;
    Expected expected;
};

Text call(const std::string& procedure, Text& first, Text& second) {
    oracle::FakeWindow window;
    window.fields[engine::Field::Text2] = second;
    const std::map<std::string, std::function<Text()>> procedures = {
        {"Plusplus", [&] { return engine::Plusplus(first, second); }},
        {"Moinsmoins", [&] { return engine::Moinsmoins(first, second); }},
        {"Mulmul", [&] { return engine::Mulmul(first, second); }},
        {"Divdiv", [&] { return engine::Divdiv(first, second, window); }},
        {"PuisCalcul", [&] { return engine::PuisCalcul(first, std::stoi(second)); }},
        {"MulCalcul", [&] { return engine::MulCalcul(first, std::stoi(second)); }},
        {"sommepuis", [&] { return engine::sommepuis(first, window); }},
        {"AckerSimple", [&] { return engine::AckerSimple(first, second); }},
        {"ackerman", [&] { return engine::ackerman(first, second); }},
        {"factorial", [&] { return engine::factorial(std::stoi(first)); }},
    };
    return procedures.at(procedure)();
}

TEST(RefusalTest, ErrorsLeaveTheArgumentsAsTheyWere) {
    using enum Expected;
    const Refusal refusals[] = {
        {"Plusplus", "12a", "5", NotANumber},
        {"Plusplus", "1.5", "2", NotANumber},
        {"Plusplus", "0", "abc", NotANumber},
        {"Plusplus", "5-", "1", NotANumber},
        {"Moinsmoins", "--5", "3", NotANumber},
        {"Moinsmoins", "5", "1.2.3", NotANumber},
        {"Moinsmoins", "-", "x", NotANumber},
        {"Mulmul", "1,5", "2", NotANumber},
        {"Mulmul", "2", "1.2.3", NotANumber},
        {"Mulmul", "12 34", "1", NotANumber},
        {"Mulmul", "5", "-1-", NotANumber},
        {"Divdiv", "1.5", "2", NotANumber},
        {"Divdiv", "4", "2 ", NotANumber},
        {"Divdiv", "0", "x", NotANumber},
        {"PuisCalcul", "1.5", "2", NotANumber},
        {"PuisCalcul", "abc", "0", NotANumber},
        {"PuisCalcul", "+9", "2147483647", OutOfRange},
        {"PuisCalcul", "2", "66500000", OutOfRange},
        {"MulCalcul", "1a", "3", NotANumber},
        {"MulCalcul", "2", "2147483647", OutOfRange},
        {"MulCalcul", "9", "238609295", OutOfRange},
        {"MulCalcul", "2", "-2147483648", OutOfRange},
        {"sommepuis", "-12", "3", NotANumber},
        {"sommepuis", "12a", "1", NotANumber},
        {"sommepuis", "153", "1.5", OutOfRange},
        {"sommepuis", "153", "99999999999", OutOfRange},
        {"sommepuis", "19", "2147483647", OutOfRange},
        {"sommepuis", "1x9", "2147483647", NotANumber},
        {"AckerSimple", "x", "1", NotANumber},
        {"AckerSimple", "4", "1a", NotANumber},
        {"AckerSimple", "4", "3", OutOfRange},
        {"AckerSimple", "3", "2147483645", OutOfRange},
        {"AckerSimple", "99999999999", "1", OutOfRange},
        {"ackerman", "-1", "1", NotANumber},
        {"ackerman", "1", "2.5", NotANumber},
        {"ackerman", "5", "1", OutOfRange},
        {"ackerman", "100", "100", OutOfRange},
        {"factorial", "3300000", "", OutOfRange},
        // A "-" after leading zeros is no sign, though the normal form drops
        // the zeros (found by fuzzing: "0-57" was read as -57).
        {"Plusplus", "0-57", "3", NotANumber},
        {"Moinsmoins", "3", "00-5", NotANumber},
        {"Mulmul", "2", "0-57", NotANumber},
        {"Divdiv", "0-4", "2", NotANumber},
        {"AckerSimple", "3", "0-57", NotANumber},
    };
    for (const auto& refusal : refusals) {
        Text first = refusal.first;
        Text second = refusal.second;
        const std::string what =
            std::string(refusal.procedure) + "('" + refusal.first + "', '" + refusal.second + "')";
        if (refusal.expected == Expected::NotANumber) {
            EXPECT_THROW(call(refusal.procedure, first, second), engine::NotANumber) << what;
        } else {
            EXPECT_THROW(call(refusal.procedure, first, second), engine::OutOfRange) << what;
        }
        EXPECT_EQ(first, refusal.first) << what;
        EXPECT_EQ(second, refusal.second) << what;
    }
}

TEST(RefusalTest, DivisionsBeyondTheLongestResultAreRefusedBeforeAnyWork) {
    oracle::FakeWindow window(engine::MaxResultDigits + 1);
    Text a = "1";
    Text b = "7";
    EXPECT_THROW(engine::Divdiv(a, b, window), engine::OutOfRange);
}

} // namespace
