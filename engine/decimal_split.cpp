// SPDX-License-Identifier: GPL-3.0-or-later
// Taking decimal texts apart: integer part, fraction and point-free form. Only
// the first "." counts as the point; a later one is part of the fraction. All
// three procedures drop, in the caller's variable, a fraction of zeros only.
#include "engine/digits.h"
#include "engine/engine.h"

namespace engine {

Text Entdecimal(Text& ent, std::int32_t& nb) {
    const auto point = ent.find('.');
    nb = 0;
    if (point == Text::npos) {
        return ent;
    }
    nb = detail::length32(point + 1);
    const bool hasFraction = point + 1 < ent.size();
    if (hasFraction && ent.find_first_not_of('0', point + 1) == Text::npos) {
        ent.erase(point);
        nb = 0;
    }
    if (nb > 0) {
        nb = detail::length32(ent.size() - point - 1);
        return ent.substr(0, point);
    }
    return ent;
}

Text Partdecimale(Text& ent) {
    std::int32_t nb = 0;
    Entdecimal(ent, nb);
    if (nb > 0) {
        return ent.substr(ent.size() - static_cast<std::size_t>(nb));
    }
    return {};
}

Text SansVirgule(Text& ent) {
    std::int32_t nb = 0;
    Entdecimal(ent, nb);
    if (nb == 0) {
        ent = Entdecimal(ent, nb);
    }
    Text withoutPoints;
    withoutPoints.reserve(ent.size());
    for (const char c : ent) {
        if (c != '.') {
            withoutPoints += c;
        }
    }
    return withoutPoints;
}

} // namespace engine
