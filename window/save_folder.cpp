// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/save_folder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace window {

namespace {

// `path` with its symbolic links resolved when it exists, made absolute and
// clean when it does not: applicationDirPath() gives resolved paths, $HOME
// may hold a link.
QString resolved(const QString& path) {
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : canonical;
}

bool isInsideHome(const QString& folder) {
    const QString home = resolved(QDir::homePath());
    const QString prefix = home.endsWith(u'/') ? home : home + u'/';
    return folder == home || folder.startsWith(prefix);
}

// CMake leaves its CMakeCache.txt at the top of every build tree, and the
// program lies in a folder below it (build/app/); no system prefix holds one.
// The walk goes by the path's text, so that a folder that does not exist is
// judged by the folders above it.
bool isInBuildTree(const QString& folder) {
    for (QString dir = folder;;) {
        if (QFileInfo::exists(QDir(dir).filePath(QStringLiteral("CMakeCache.txt")))) {
            return true;
        }
        const QString parent = QFileInfo(dir).path();
        if (parent == dir) {
            return false;
        }
        dir = parent;
    }
}

} // namespace

QString firstSaveFolder(const QString& programFolder) {
    const QString folder = resolved(programFolder);
    if (isInsideHome(folder) || isInBuildTree(folder)) {
        return programFolder;
    }
    const QString documents = documentsFolder();
    return documents.isEmpty() ? programFolder : documents;
}

QString documentsFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
    }
    return folder;
}

} // namespace window
