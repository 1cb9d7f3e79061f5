// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/export.h"

#include "window/history/packed_digits.h"
#include "window/history/row_text.h"

#include <QDir>
#include <QSaveFile>

namespace history {

namespace {

bool writeLine(QSaveFile& file, const char* name, const std::string& text) {
    const QByteArray start = QByteArray(name) + " = ";
    return file.write(start) == start.size() &&
           file.write(text.data(), static_cast<qint64>(text.size())) ==
               static_cast<qint64>(text.size()) &&
           file.write("\n", 1) == 1;
}

// How the entry's `a` is named in its block.
const char* firstOperandName(Command command) {
    return command == Command::DigitPowerSum ? "nombre" : "a";
}

bool writeBlock(QSaveFile& file, const StoredEntry& entry) {
    const QByteArray title =
        (commandName(entry.command) + QStringLiteral(" · ") +
         entry.finishedAt.toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) +
         QStringLiteral(" · ") + durationText(entry.duration) + QLatin1Char('\n'))
            .toUtf8();
    bool written = file.write(title) == title.size();
    if (entry.a) {
        written = written && writeLine(file, firstOperandName(entry.command), entry.a->utf8());
    }
    if (entry.b) {
        written = written && writeLine(file, "b", entry.b->utf8());
    }
    if (entry.precision) {
        written = written && writeLine(file, "précision", std::to_string(*entry.precision));
    }
    return written && writeLine(file, "résultat", entry.result.utf8()) && file.write("\n", 1) == 1;
}

QString failure(const QString& path, const QString& why) {
    return QStringLiteral("L'historique n'a pas pu être exporté dans %1 (%2).")
        .arg(QDir::toNativeSeparators(path), why);
}

} // namespace

std::optional<QString> exportEntries(Store& store, const std::vector<std::int64_t>& ids,
                                     const QString& path) {
    // Written beside the file and put in its place once whole, so that a
    // failure leaves what stood there.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return failure(path, file.errorString());
    }
    try {
        for (const std::int64_t id : ids) {
            const std::optional<StoredEntry> entry = store.read(id);
            if (entry && !writeBlock(file, *entry)) {
                return failure(path, file.errorString());
            }
        }
    } catch (const DamagedNumber&) {
        return failure(path, QStringLiteral("une entrée de l'historique est endommagée"));
    }
    if (!file.commit()) {
        return failure(path, file.errorString());
    }
    return std::nullopt;
}

} // namespace history
