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

std::string_view detail::withoutZeroBeforeDigit(std::string_view ent) {
    if (ent.size() >= 2 && ent[0] == '0' && ent[1] >= '1' && ent[1] <= '9') {
        ent.remove_prefix(1);
    }
    return ent;
}

Text Paszerodebut(const Text& ent) {
    return Text(detail::withoutZeroBeforeDigit(ent));
}

// The normal form. A text without a point loses its leading zeros unless it
// starts with "-"; a text with a point keeps its form unless nothing but zeros
// follows the point, and then what stood before the point is returned as it
// stood. A text of zeros and points alone is "0" (or what precedes its point).
std::string_view detail::normalForm(std::string_view& ent) {
    if (ent.starts_with('+')) {
        ent.remove_prefix(1);
    }
    if (const auto point = ent.find('.'); point != std::string_view::npos) {
        return ent.find_first_not_of('0', point + 1) == std::string_view::npos
                   ? ent.substr(0, point)
                   : ent;
    }
    if (ent.find_first_not_of('0') == std::string_view::npos) {
        return "0";
    }
    std::size_t leadingZeros = 0;
    while (leadingZeros + 1 < ent.size() && ent[leadingZeros] == '0') {
        ++leadingZeros;
    }
    return ent.substr(leadingZeros);
}

Text Zeronettoyage(Text& ent) {
    std::string_view view = ent;
    Text normal(detail::normalForm(view));
    if (view.size() < ent.size()) {
        ent.erase(0, 1);
    }
    return normal;
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
