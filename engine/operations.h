// SPDX-License-Identifier: GPL-3.0-or-later
// The calculator's commands that compute (a + b, a - b, a * b, a / b, the
// power, the factorial, Ackermann's function and the digit-power sum), each
// from the texts of the fields it reads to everything the window writes back
// and shows. The window's handlers and the benchmarks call these, so both run
// the same steps.
//
// A command takes the fields' texts as they stand, by value (a caller that
// keeps its own passes a copy, one that does not moves them in, and an
// operand of millions of digits is not held twice), and returns one Outcome.
// No exception leaves a command: every failure is a Refusal in the outcome.
// Operands are checked against the grammar of engine/operand_grammar.h before
// any work (signed decimal numbers for the four operations, natural numbers
// for the power, the factorial, Ackermann and b, digits for the result whose
// digits are raised to a power), results longer than MaxResultDigits are
// refused before any work, and so are computations that need more memory
// than the caller says is available (Resources).
#pragma once

#include "engine/engine.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

namespace engine::operations {

// Why a command gave no result.
struct Refusal {
    enum class Kind {
        NotANumber,  // an operand is not a number of the form taken: `flaws` says which and why
        OutOfRange,  // a value beyond 32 bits, or a result longer than MaxResultDigits
        OutOfMemory, // the memory ran out
        Stopped,     // the user stopped the computation
        Failed,      // anything else
    };
    Kind kind = Kind::Failed;
    std::vector<OperandFlaw> flaws;
    // OutOfMemory before any work: what the computation would need at its
    // peak and what the system had available, in bytes. Both 0 when the
    // memory ran out during the work instead.
    std::uint64_t neededBytes = 0;
    std::uint64_t availableBytes = 0;
};

// What a command may count on beside its operands. Before any work, each
// command estimates its peak memory from its operands' lengths
// (engine/memory_estimate.h), what the caller holds for each digit of the
// result included, and refuses a computation that needs more than is
// available.
struct Resources {
    // The memory available to the computation, in bytes; none: not checked.
    std::optional<std::uint64_t> availableMemory;
    // What the caller holds itself for each digit of the result.
    double callerBytesPerDigit = 0;
};

// What a command leaves in the window, in the order the window writes it:
// the operands, then the precision, then the result or one box.
struct Outcome {
    // a + b, a - b, a * b, a / b: the operands as written back into their
    // fields, without the blanks around them and with "0" before a leading
    // point (Verif). Also after a refusal, as the window always wrote them.
    std::optional<Text> a;
    std::optional<Text> b;
    // a / b: the precision that the division used, once it has been decided
    // (LeastPrecision for a smaller one); the window writes it into its field
    // when it changed.
    std::optional<std::int32_t> precision;
    // The result field's new text ("Opération interdite" and "b est trop
    // grand" included), or why there is none.
    std::variant<Text, Refusal> result;
};

// Ackermann's function also says where its value came from.
struct AckermannOutcome : Outcome {
    // From a closed form (a below FirstRecursiveAckermannA): the window shows
    // the value in a box before it writes it.
    bool closedForm = false;
};

// The texts that "Opération interdite" and "b est trop grand" are written as.
inline constexpr char ForbiddenOperation[] = "Opération interdite";
inline constexpr char FactorialTooLarge[] = "b est trop grand";

// b ! answers "b est trop grand" for a b written with this many characters or
// more, whatever they are.
inline constexpr std::size_t FactorialRefusedLength = 5;
// The largest b that b ! computes: the largest written with fewer characters.
inline constexpr std::int32_t LargestFactorialArgument = [] {
    std::int32_t largest = 1;
    for (std::size_t i = 1; i < FactorialRefusedLength; ++i) {
        largest *= 10;
    }
    return largest - 1;
}();

Outcome sum(Text a, Text b, const Resources& resources = {});
Outcome difference(Text a, Text b, const Resources& resources = {});
Outcome product(Text a, Text b, const Resources& resources = {});
// `precision`: the window's precision (see Divdiv).
Outcome quotient(Text a, Text b, std::int32_t precision, const Resources& resources = {});
// a to the power b.
Outcome power(Text a, Text b, const Resources& resources = {});
// b !, or "b est trop grand" for a b written with FactorialRefusedLength
// characters or more.
Outcome factorial(Text b, const Resources& resources = {});
// A(a, b): by the closed forms for a below FirstRecursiveAckermannA, by the
// recursion from it on.
AckermannOutcome ackermann(Text a, Text b, const Resources& resources = {});
// The sum of the digits of `result` (the result field's text), each raised
// to the power b.
Outcome digitPowerSum(Text result, Text b, const Resources& resources = {});

} // namespace engine::operations
