// SPDX-License-Identifier: GPL-3.0-or-later
// What the number fields tell the user, in French, when they do not take a
// text.
#pragma once

#include <QString>

namespace window {

// A paste or a dropped text that would make the field too long.
QString tooLongMessage();
// A dropped file whose number would make the field too long.
QString fileTooLongMessage(const QString& path);
// A dropped file that could not be read, with the system's reason.
QString unreadableFileMessage(const QString& path, const QString& reason);

} // namespace window
