// SPDX-License-Identifier: GPL-3.0-or-later
// Appends the result to resultat.txt, once confirmed, in the folder that
// window/save_folder.h chooses; when that folder takes no file, in the user's
// documents folder. The first save of a run that does not go beside the
// program says where it went.
#include "window/box_texts.h"
#include "window/commands.h"
#include "window/number_field/long_text.h"
#include "window/number_field/pasted_text.h"
#include "window/save_folder.h"

#include <QDir>

namespace window {

namespace {

QString resultFileIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("resultat.txt"));
}

// One save is one line: the result's text without its line breaks, and
// without the backslash that bc and dc put before each break of a long
// number. A computed result has none; a pasted or edited one may.
QString resultLine(Services& window) {
    return unwrappedLine(fromUtf8(window.readField(Field::Text3)));
}

} // namespace

void saveResultCommand(Services& window) {
    // Read once: while the question is asked, the box, modal, lets nothing
    // change the field.
    const QString line = resultLine(window);
    if (line.isEmpty() || line == u"0") {
        return; // nothing worth keeping
    }
    // "Enregister" is the title's own spelling.
    const Answer answer = window.showMessage(
        QStringLiteral("Voulez-vous vraiment enregistrer le résultat?"), Buttons::YesNo,
        QStringLiteral("Enregister le résultat dans un fichier"));
    if (answer != Answer::Yes) {
        return;
    }
    const QString programFolder = window.programFolder();
    QString folder = firstSaveFolder(window, programFolder);
    std::optional<WriteError> error = window.writeTextLine(resultFileIn(folder), line);
    if (error && error->kind == WriteFailure::CannotOpen && folder == programFolder) {
        if (const QString documents = window.documentsFolder(); !documents.isEmpty()) {
            folder = documents;
            error = window.writeTextLine(resultFileIn(folder), line);
        }
    }
    const QString path = QDir::toNativeSeparators(resultFileIn(folder));
    if (error) {
        window.showMessage(saveFailedMessage(path, *error), Buttons::Ok, window.caption());
    } else if (folder != programFolder && window.firstSaveElsewhere()) {
        window.showMessage(savedElsewhereMessage(path), Buttons::Ok, window.caption());
    }
}

} // namespace window
