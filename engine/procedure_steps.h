// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of Plusplus, Moinsmoins, Mulmul and Divdiv on the caller's own two
// variables, without the copies through which those procedures read one
// variable passed as both operands and leave their arguments whole when they
// fail. They serve work texts that the caller throws away, as the commands of
// operations.h do: a copy of an operand of 20 million digits is 20 MB. The
// two arguments must be different variables; after a failure they may hold
// anything.
#pragma once

#include "engine/engine.h"

namespace engine::detail {

Text plusplusSteps(Text& ent, Text& ent2);
Text moinsmoinsSteps(Text& ent, Text& ent2);
Text mulmulSteps(Text& ent, Text& ent2);
Text divdivSteps(Text& ent, Text& ent2, std::int32_t& precision);

// Verif of a text that the caller gives up, repaired in place.
Text verified(Text text);

} // namespace engine::detail
