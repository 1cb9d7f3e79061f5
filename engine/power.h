// SPDX-License-Identifier: GPL-3.0-or-later
// Whole powers on limbs, for the procedures that go on computing with a power
// instead of writing it out as PuisCalcul does.
#pragma once

#include "engine/limbs/magnitude.h"

#include <cstdint>

namespace engine::detail {

// base^exponent for an exponent of 2 or more, by binary powering, with its
// progress steps; OutOfRange ("power too large") before any work when it
// would be longer than the engine's longest result.
limbs::Magnitude power(const limbs::Magnitude& base, std::int32_t exponent);

} // namespace engine::detail
