// Reference values from GMP, random operands, and a stand-in for the window,
// shared by the engine tests.
#pragma once

#include "engine/engine.h"

#include <gmpxx.h>

#include <cstdint>
#include <map>
#include <random>
#include <string>

namespace oracle {

// A procedure of two texts that it rewrites in place, and what it must give.
struct TwoTextCase {
    std::string first;
    std::string second;
    std::string expected;
    std::string firstAfter;
    std::string secondAfter;
};

// Checks the result and what both arguments hold afterwards.
void expectTwoTextCase(engine::Text (*procedure)(engine::Text&, engine::Text&),
                       const TwoTextCase& c);

// The exact value of a number text: optional "+" or "-", digits, at most one
// point. The empty text and a lone sign are zero.
mpq_class decimalValue(const std::string& text);
mpz_class integerValue(const std::string& text);

// The seed of this run's random operands: CALC_TEST_SEED when set, otherwise
// drawn and printed so that a failure can be replayed.
std::uint64_t testSeed();

struct OperandShape {
    std::size_t maxDigits = 50;
    bool decimals = false; // may hold a point
    bool oddForms = true;  // leading zeros, "+", "-0", "" and runs of 9s and 0s
};

// A random signed number text of up to shape.maxDigits digits.
std::string randomOperand(std::mt19937_64& random, const OperandShape& shape);

// The window seen by the engine: four fields, the precision, and the precision
// handler that writing Text4 runs.
class FakeWindow : public engine::WindowServices {
public:
    engine::Text readField(engine::Field field) override;
    void writeField(engine::Field field, const engine::Text& text) override;
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override { precision_ = digits; }

    std::map<engine::Field, engine::Text> fields;
    std::map<engine::Field, int> reads;
    std::map<engine::Field, int> writes;

private:
    std::int32_t precision_ = 50;
};

} // namespace oracle
