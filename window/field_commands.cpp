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
    window.writeField(engine::Field::Text1, "3");
    window.writeField(engine::Field::Text2, "212");
    window.writeField(engine::Field::Text3, "0");
    window.writeField(engine::Field::Text4, std::to_string(window.precision()));
}

void precisionChanged(Services& window) {
    if (const auto digits = engine::toInt32(window.readField(engine::Field::Text4))) {
        window.setPrecision(*digits);
    }
}

void resetField(Services& window, engine::Field field) {
    window.writeField(field, "0");
}

void copyResultIntoA(Services& window) {
    window.writeField(engine::Field::Text1, window.readField(engine::Field::Text3));
}

void countResultCharacters(Services& window) {
    // Characters, not bytes: the field's text is UTF-8, where every byte but
    // a continuation byte starts a character. Counted in place: the result
    // may have tens of millions of digits.
    const engine::Text result = window.readField(engine::Field::Text3);
    const auto count = std::ranges::count_if(
        result, [](char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; });
    window.showMessage(QStringLiteral("Nombre de chiffres du résultat: ") + QString::number(count),
                       Buttons::Ok, window.caption());
}

void quit(Services& window) {
    window.closeWindow();
}

} // namespace window
