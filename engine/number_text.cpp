// SPDX-License-Identifier: GPL-3.0-or-later
// Repair, normal form, inspection and comparison of number texts. None of these
// procedures refuses a text, whatever its characters.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/procedure_steps.h"

#include <algorithm>
#include <limits>

namespace engine {

Text detail::verified(Text text) {
    if (text.starts_with('.')) {
        return "0" + text;
    }
    if (text.starts_with("-.")) {
        return "-0" + text.substr(1);
    }
    return text; // as most texts are: kept, not copied
}

Text Verif(const Text& st) {
    return detail::verified(st);
}

bool DecimalYN(const Text& ent) {
    return ent.find('.') != Text::npos;
}

Text Paszerodebut(const Text& ent) {
    if (ent.size() >= 2 && ent[0] == '0' && ent[1] >= '1' && ent[1] <= '9') {
        return ent.substr(1);
    }
    return ent;
}

// The normal form. A text without a point loses its leading zeros unless it
// starts with "-"; a text with a point keeps its form unless nothing but zeros
// follows the point, and then what stood before the point is returned as it
// stood. A text of zeros and points alone is "0" (or what precedes its point).
Text Zeronettoyage(Text& ent) {
    if (ent.starts_with('+')) {
        ent.erase(0, 1);
    }
    std::size_t leadingZeros = 0;
    while (leadingZeros + 1 < ent.size() && ent[leadingZeros] == '0') {
        ++leadingZeros;
    }
    Text result = ent.substr(leadingZeros);
    if (ent.find_first_not_of("0.") == Text::npos) {
        result = "0";
    }
    const auto point = ent.find('.');
    if (point != Text::npos) {
        if (ent.find_first_not_of('0', point + 1) == Text::npos) {
            result = ent.substr(0, point);
        } else {
            result = ent;
        }
    }
    return result;
}

bool Compnb(const Text& ent, const Text& ent2) {
    if (ent == ent2) {
        return true;
    }
    if (ent.size() != ent2.size()) {
        return false;
    }
    const auto differ = std::mismatch(ent.begin(), ent.end(), ent2.begin());
    return static_cast<unsigned char>(*differ.first) > static_cast<unsigned char>(*differ.second);
}

} // namespace engine
