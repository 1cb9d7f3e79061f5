// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the precision field, the "C" buttons, the tools on the result and
// quitting.
#include "window/commands.h"

#include <algorithm>

namespace window {

namespace {
constexpr std::int32_t DefaultPrecision = 50;
}

void startUp(Services& window) {
    window.setPrecision(DefaultPrecision);
    window.writeField(Field::Text1, "3");
    window.writeField(Field::Text2, "212");
    window.writeField(Field::Text3, "0");
    window.writeField(Field::Text4, std::to_string(window.precision()));
}

void precisionChanged(Services& window) {
    if (const auto digits = engine::toInt32(window.readField(Field::Text4))) {
        window.setPrecision(*digits);
    }
}

void Verifab(Services& window) {
    window.writeField(Field::Text1, engine::Verif(window.readField(Field::Text1)));
    window.writeField(Field::Text2, engine::Verif(window.readField(Field::Text2)));
}

void resetField(Services& window, Field field) {
    window.writeField(field, "0");
}

void copyResultIntoA(Services& window) {
    window.writeField(Field::Text1, window.readField(Field::Text3));
}

void countResultCharacters(Services& window) {
    // Characters, not bytes: the field's text is UTF-8, where every byte but
    // a continuation byte starts a character. Counted in place: the result
    // may have tens of millions of digits.
    const engine::Text result = window.readField(Field::Text3);
    const auto count = std::ranges::count_if(
        result, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
    window.showMessage(QStringLiteral("Nombre de chiffres du résultat: ") + QString::number(count),
                       Buttons::Ok, window.caption());
}

void quit(Services& window) {
    window.closeWindow();
}

} // namespace window
