// SPDX-License-Identifier: GPL-3.0-or-later
// The steps of Plusplus, Moinsmoins, Mulmul and Divdiv, reading their two
// operands through views: the commands of operations.h run them straight on
// the operands they write back into the fields, without a copy (a copy of an
// operand of 100 million digits is 100 MB), and the procedures of engine.h on
// their arguments, which they then rewrite with what the steps left in the
// views.
#pragma once

#include "engine/engine.h"

#include <array>
#include <string_view>

namespace engine::detail {

// The two operands of the steps: views of texts that outlive them, which the
// steps move, as the procedure rewrites its arguments, onto what it leaves
// in them. A text that is no part of the viewed ones (Mulmul's operand
// without its point) is made in `made`, which is why the operands are
// neither copied nor moved.
struct WorkOperands {
    WorkOperands(std::string_view a, std::string_view b) : first(a), second(b) {}
    WorkOperands(const WorkOperands&) = delete;
    WorkOperands& operator=(const WorkOperands&) = delete;

    std::string_view first;
    std::string_view second;
    std::array<Text, 2> made;
};

Text plusplusSteps(WorkOperands& operands);
Text moinsmoinsSteps(WorkOperands& operands);
Text mulmulSteps(WorkOperands& operands);
Text divdivSteps(WorkOperands& operands, std::int32_t& precision);

// Runs `steps` on views of the procedure's two arguments, then rewrites each
// with what the steps left in its view. A variable passed as both operands is
// read as both and ends up holding what the second operand became; after a
// failure both are as they were.
template <class Steps> Text onArguments(Text& ent, Text& ent2, Steps&& steps) {
    WorkOperands operands(ent, ent2);
    Text result = steps(operands);
    Text first(operands.first);
    Text second(operands.second);
    ent = std::move(first);
    ent2 = std::move(second);
    return result;
}

// Verif of a text that the caller gives up, repaired in place.
Text verified(Text text);

} // namespace engine::detail
