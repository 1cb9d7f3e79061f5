// SPDX-License-Identifier: GPL-3.0-or-later
// Which folder resultat.txt goes into. A program run from a build tree or
// from a folder in the user's home saves beside itself, where its users have
// always found the file; a program installed under a system prefix (/usr/bin)
// saves into the user's documents folder, root included, so that no file is
// left in a folder that belongs to the package system. The folders and the
// file system are reached through the window services.
#pragma once

#include "window/services.h"

#include <QString>

namespace window {

// The folder that the line goes into first for a program in `programFolder`:
// that folder itself when it lies in a build tree or in the user's home, the
// documents folder otherwise (the program folder when the system names none).
QString firstSaveFolder(Services& window, const QString& programFolder);

} // namespace window
