// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the help menu's message boxes.
#pragma once

#include <QString>

namespace window {

// Texts of the help boxes; lines are separated by CR LF.
QString informationText();
QString ackermannDefinitionText();
QString versionNotesText();

} // namespace window
