// SPDX-License-Identifier: GPL-3.0-or-later
// Taking decimal texts apart: integer part, fraction and point-free form. Only
// the first "." counts as the point; a later one is part of the fraction. All
// three procedures drop, in the caller's variable, a fraction of zeros only
// (and SansVirgule a point that ends it): what they leave there is always the
// start of what was there.
#include "engine/digits.h"
#include "engine/engine.h"

#include <algorithm>

namespace engine {

std::string_view detail::integerPart(std::string_view& ent, std::int32_t& nb) {
    const auto point = ent.find('.');
    nb = 0;
    if (point == std::string_view::npos) {
        return ent;
    }
    nb = length32(point + 1);
    const bool hasFraction = point + 1 < ent.size();
    if (hasFraction && ent.find_first_not_of('0', point + 1) == std::string_view::npos) {
        ent = ent.substr(0, point);
        nb = 0;
    }
    if (nb > 0) {
        nb = length32(ent.size() - point - 1);
        return ent.substr(0, point);
    }
    return ent;
}

std::string_view detail::withoutPoints(std::string_view& ent, Text& made) {
    std::int32_t nb = 0;
    integerPart(ent, nb);
    if (nb == 0) {
        ent = integerPart(ent, nb);
    }
    if (ent.find('.') == std::string_view::npos) {
        return ent;
    }
    made.clear();
    made.reserve(ent.size());
    std::copy_if(ent.begin(), ent.end(), std::back_inserter(made), [](char c) { return c != '.'; });
    return made;
}

Text Entdecimal(Text& ent, std::int32_t& nb) {
    std::string_view view = ent;
    Text part(detail::integerPart(view, nb));
    ent.resize(view.size());
    return part;
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
    std::string_view view = ent;
    Text made;
    Text pointFree(detail::withoutPoints(view, made));
    ent.resize(view.size());
    return pointFree;
}

} // namespace engine
