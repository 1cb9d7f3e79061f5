// Start-up, the precision field, the "C" buttons, the tools on the result and
// quitting.
#include "window/commands.h"

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
    // Characters, not bytes: the field's text is UTF-8.
    const QString result = QString::fromStdString(window.readField(engine::Field::Text3));
    const qsizetype count = result.toUcs4().size();
    window.showMessage(QStringLiteral("Nombre de chiffres du résultat: ") + QString::number(count),
                       Buttons::Ok, window.caption());
}

void quit(Services& window) {
    window.closeWindow();
}

} // namespace window
