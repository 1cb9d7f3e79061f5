// The frame shared by the handlers that compute a result.
#pragma once

#include "window/failure_messages.h"
#include "window/services.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace window {

// Written into the result field when the power, factorial or Ackermann
// command refuses its operands.
inline constexpr char ForbiddenOperation[] = "Opération interdite";

// A computation run as a job: it gets the fields as the job sees them (the
// texts read before it started; see JobFields) and returns the result text.
using Computation = std::function<engine::Text(engine::WindowServices& fields)>;

// Runs `compute` as a job of the window (Services::runJob) and returns its
// result once the writes it made to the fields (the division's precision)
// have been made on the window. When the computation fails (a character that
// is not a digit, an operand that is not an integer, a value beyond the
// engine's limits, memory exhausted), a message box says what went wrong in
// the terms of `calculation` and nothing is returned; the window stays
// usable. When the user stopped it, nothing is written and nothing is shown.
std::optional<engine::Text> computeResult(Services& window, Calculation calculation,
                                          const Computation& compute);

// computeResult, then its result written into the result field (Text3) in one
// write; the result field keeps its text when there is none.
void runCalculation(Services& window, Calculation calculation, const Computation& compute);

// The operand in `field` (Text1 for a, Text2 for b, Text3 for the result),
// as every calculation reads it: without the blanks around it (operandText).
engine::Text readOperand(Services& window, engine::Field field);

// True for an operand that the power, factorial and Ackermann commands refuse:
// one that holds a point, or whose first character other than a blank is "-"
// (" -5" is as negative as "-5").
bool isForbiddenOperand(const engine::Text& operand);

// Stops a calculation run by computeResult with `failure`, whose message
// names the operand in `field`: Text1 (a) or Text2 (b).
[[noreturn]] void refuseOperand(engine::Field field, Failure failure);

// The operand's text as a 32-bit integer. When it is not one, the calculation
// run by computeResult stops with Failure::NotAnInteger (refuseOperand).
std::int32_t integerOperand(const engine::Text& text, engine::Field field);

} // namespace window
