// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, the precision field, the "C" buttons, the tools on the result and
// quitting.
#include "window/commands.h"

#include "engine/characters.h"

namespace window {

void startUp(Services& window) {
    // Divisions start with the least precision they use.
    window.setPrecision(engine::LeastPrecision);
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
    // Characters, not bytes: the field's text is UTF-8.
    const auto count = engine::utf8CharacterCount(window.readField(Field::Text3));
    window.showMessage(QStringLiteral("Nombre de chiffres du résultat: ") + QString::number(count),
                       Buttons::Ok, window.caption());
}

void quit(Services& window) {
    window.closeWindow();
}

} // namespace window
