// The frame shared by the handlers that compute a result.
#pragma once

#include "window/failure_messages.h"
#include "window/services.h"

#include <cstdint>
#include <functional>

namespace window {

// Written into the result field when the power, factorial or Ackermann
// command refuses its operands.
inline constexpr char ForbiddenOperation[] = "Opération interdite";

// Runs `compute` and writes its whole result into the result field (Text3) in
// one write. When the computation fails (a character that is not a digit, an
// operand that is not an integer, a value beyond the engine's limits, memory
// exhausted), the result field keeps its text and a message box says what
// went wrong in the terms of `calculation`; the window stays usable.
void runCalculation(Services& window, Calculation calculation,
                    const std::function<engine::Text()>& compute);

// True for an operand that the power, factorial and Ackermann commands refuse:
// one that holds a point, or whose first character other than a blank is "-"
// (" -5" is as negative as "-5").
bool isForbiddenOperand(const engine::Text& operand);

// The operand's text as a 32-bit integer. When it is not one, the calculation
// run by runCalculation stops and the message names the operand: `field` is
// Text1 (a) or Text2 (b).
std::int32_t integerOperand(const engine::Text& text, engine::Field field);

} // namespace window
