// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/save_folder.h"

#include <QDir>
#include <QFileInfo>

namespace window {

namespace {

bool isInsideHome(const Services& window, const QString& folder) {
    const QString home = window.resolvedPath(window.homeFolder());
    const QString prefix = home.endsWith(u'/') ? home : home + u'/';
    return folder == home || folder.startsWith(prefix);
}

// CMake leaves its CMakeCache.txt at the top of every build tree, and the
// program lies in a folder below it (build/app/); no system prefix holds one.
// The walk goes by the path's text, so that a folder that does not exist is
// judged by the folders above it.
bool isInBuildTree(const Services& window, const QString& folder) {
    for (QString dir = folder;;) {
        if (window.exists(QDir(dir).filePath(QStringLiteral("CMakeCache.txt")))) {
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

QString firstSaveFolder(Services& window, const QString& programFolder) {
    const QString folder = window.resolvedPath(programFolder);
    if (isInsideHome(window, folder) || isInBuildTree(window, folder)) {
        return programFolder;
    }
    const QString documents = window.documentsFolder();
    return documents.isEmpty() ? programFolder : documents;
}

} // namespace window
