// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/history_file.h"

#include "window/history/schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sqlite3.h>

namespace history {

namespace {

// The file's companions that SQLite keeps beside it in WAL mode.
constexpr std::array Companions{"-wal", "-shm"};

// Makes the empty file readable and writable by its owner alone, before
// SQLite opens it (SQLite gives the -wal and -shm files the same mode).
bool createPrivateFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        return false;
    }
    return file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// Whether the file at `path` is empty or opens as SQLite's files do. Any
// other is damaged, and is moved aside before SQLite opens it, which might
// change its -wal file.
bool startsAsSQLite(const QString& path) {
    static const QByteArray Header("SQLite format 3", 16); // with its NUL
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return true; // SQLite says why it cannot be read
    }
    const QByteArray start = file.read(Header.size());
    return start.isEmpty() || start == Header;
}

Connection connect(const QString& path) {
    Connection connection(QFile::encodeName(path).toStdString(), BusyMilliseconds);
    prepareSchema(connection);
    return connection;
}

QString arrivedMessage(const QString& why, const QString& asidePath) {
    return QStringLiteral("L'historique des calculs %1. Le fichier a été mis de côté sous le "
                          "nom :\n%2\nUn nouvel historique commence.")
        .arg(why, asidePath);
}

// Opens the file at `path`, in a folder that exists. A file that cannot
// serve is moved aside once and a new one made.
Opened openIn(const QString& folder, const QString& path) {
    QString told;
    for (bool movedAside = false;; movedAside = true) {
        const bool existed = QFileInfo::exists(path);
        if (!existed && !createPrivateFile(path)) {
            return {std::nullopt,
                    pausedMessage(folder, QStringLiteral("le fichier ne peut pas y être créé"))};
        }
        QString why = QStringLiteral("est endommagé");
        try {
            if (!startsAsSQLite(path)) {
                throw DatabaseError(SQLITE_NOTADB, "not a database");
            }
            return {connect(path), told};
        } catch (const NewerSchema&) {
            why = QStringLiteral("a été écrit par une version plus récente du calculateur");
        } catch (const DatabaseError& error) {
            if (!existed || movedAside || !fileCannotServe(error)) {
                return {std::nullopt, pausedMessage(folder, reasonOf(error))};
            }
            if (error.primaryCode() != SQLITE_CORRUPT && error.primaryCode() != SQLITE_NOTADB) {
                why = QStringLiteral("ne peut pas être lu (%1)").arg(reasonOf(error));
            }
        }
        const std::optional<QString> moved = moveAside(path, why);
        if (!moved) {
            return {std::nullopt, pausedMessage(folder, QStringLiteral("le fichier illisible ne "
                                                                       "peut pas être déplacé"))};
        }
        told = *moved;
    }
}

} // namespace

QString defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString asideName(const QString& file, const QDateTime& moment) {
    return file + QStringLiteral(".illisible-") +
           moment.toString(QStringLiteral("yyyyMMdd-HHmmss"));
}

Opened openHistoryFile(const QString& folder) {
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {std::nullopt,
                pausedMessage(folder, QStringLiteral("le dossier ne peut pas être créé"))};
    }
    return openIn(folder, QDir(folder).filePath(QLatin1String(FileName)));
}

std::optional<QString> moveAside(const QString& path, const QString& why) {
    const QString base = asideName(path, QDateTime::currentDateTime());
    QString aside = base;
    for (int number = 2; QFileInfo::exists(aside); ++number) {
        aside = base + QLatin1Char('-') + QString::number(number);
    }
    if (!QFile::rename(path, aside) && !QDir().rename(path, aside)) {
        return std::nullopt;
    }
    for (const char* companion : Companions) {
        const QString from = path + QLatin1String(companion);
        if (QFileInfo::exists(from)) {
            QFile::rename(from, aside + QLatin1String(companion));
        }
    }
    return arrivedMessage(why, aside);
}

QString pausedMessage(const QString& folder, const QString& why) {
    return QStringLiteral("L'historique des calculs ne peut pas être enregistré dans %1 (%2). "
                          "Les calculs continuent, sans historique jusqu'à la fermeture du "
                          "calculateur.")
        .arg(QDir::toNativeSeparators(folder), why);
}

QString reasonOf(const DatabaseError& error) {
    switch (error.primaryCode()) {
    case SQLITE_FULL:
        return QStringLiteral("le disque est plein");
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("l'écriture y est interdite");
    case SQLITE_CANTOPEN:
        return QStringLiteral("le fichier ne peut pas être ouvert");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("un autre programme le garde occupé");
    case SQLITE_IOERR:
        return QStringLiteral("erreur de lecture ou d'écriture du disque");
    default:
        return QStringLiteral("SQLite : %1").arg(QString::fromUtf8(error.what()));
    }
}

bool fileCannotServe(const DatabaseError& error) {
    switch (error.primaryCode()) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
    case SQLITE_CANTOPEN:
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_ERROR:
        return true;
    default:
        return false;
    }
}

} // namespace history
