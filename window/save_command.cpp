// Appends the result to resultat.txt in the program's folder, once confirmed.
#include "window/commands.h"
#include "window/failure_messages.h"

#include <QDir>

namespace window {

void saveResultCommand(Services& window) {
    const engine::Text result = window.readField(engine::Field::Text3);
    if (result.empty() || result == "0") {
        return; // nothing worth keeping
    }
    // "Enregister" is the title's own spelling.
    const Answer answer = window.showMessage(
        QStringLiteral("Voulez-vous vraiment enregistrer le résultat?"), Buttons::YesNo,
        QStringLiteral("Enregister le résultat dans un fichier"));
    if (answer != Answer::Yes) {
        return;
    }
    const QString path = QDir(window.programFolder()).filePath(QStringLiteral("resultat.txt"));
    const QString line = QString::fromStdString(window.readField(engine::Field::Text3));
    if (const auto error = window.writeTextLine(path, line)) {
        window.showMessage(saveFailedMessage(QDir::toNativeSeparators(path), *error), Buttons::Ok,
                           window.caption());
    }
}

} // namespace window
