// SPDX-License-Identifier: GPL-3.0-or-later
// The base of the engine's failures, and the one that the job control itself
// raises: a computation that the user stopped. The other failures
// (engine/engine.h) derive from Error as well.
#pragma once

#include <stdexcept>

namespace engine {

// Failures. No procedure returns a partial result: it returns a whole one or throws.
struct Error : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The user stopped the computation.
struct Cancelled : Error {
    using Error::Error;
};

} // namespace engine
