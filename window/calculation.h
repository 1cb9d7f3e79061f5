// The frame shared by the handlers that compute a result.
#pragma once

#include "window/services.h"

#include <functional>

namespace window {

// Runs `compute` and writes its whole result into the result field (Text3) in
// one write. When the engine fails (a character that is not a digit, a value
// beyond its limits, memory exhausted), the result field keeps its text and a
// message box says what went wrong; the window stays usable.
void runCalculation(Services& window, const std::function<engine::Text()>& compute);

} // namespace window
