// Appends the result to resultat.txt, once confirmed. The file goes into the
// program's folder, where users of the calculator have always found it, as
// long as that folder takes it; an installed program's folder belongs to the
// system, and then the file goes into the user's documents folder.
#include "window/commands.h"
#include "window/failure_messages.h"

#include <QDir>
#include <QStandardPaths>

namespace window {

namespace {

QString resultFileIn(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("resultat.txt"));
}

// The user's documents folder, made when it does not exist yet; empty when
// the system names none.
QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
    }
    return folder;
}

// One save is one line: the result's text without its line breaks, and
// without the backslash that bc and dc put before each break of a long
// number. A computed result has none; a pasted or edited one may.
QString resultLine(Services& window) {
    const QString text = QString::fromStdString(window.readField(Field::Text3));
    QString line;
    line.reserve(text.size());
    bool afterBreak = false;
    for (const QChar c : text) {
        const bool lineBreak =
            c == u'\r' || c == u'\n' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
        if (lineBreak && !afterBreak && line.endsWith(u'\\')) {
            line.chop(1);
        }
        afterBreak = lineBreak;
        if (!lineBreak) {
            line += c;
        }
    }
    return line;
}

} // namespace

void saveResultCommand(Services& window) {
    const QString result = resultLine(window);
    if (result.isEmpty() || result == u"0") {
        return; // nothing worth keeping
    }
    // "Enregister" is the title's own spelling.
    const Answer answer = window.showMessage(
        QStringLiteral("Voulez-vous vraiment enregistrer le résultat?"), Buttons::YesNo,
        QStringLiteral("Enregister le résultat dans un fichier"));
    if (answer != Answer::Yes) {
        return;
    }
    const QString line = resultLine(window);
    QString path = resultFileIn(window.programFolder());
    std::optional<WriteError> error = window.writeTextLine(path, line);
    if (error && error->kind == WriteFailure::CannotOpen) {
        if (const QString documents = documentsFolder(); !documents.isEmpty()) {
            path = resultFileIn(documents);
            error = window.writeTextLine(path, line);
        }
    }
    if (error) {
        window.showMessage(saveFailedMessage(QDir::toNativeSeparators(path), *error), Buttons::Ok,
                           window.caption());
    }
}

} // namespace window
