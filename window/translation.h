// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own French texts for the standard buttons and dialogs ("Oui", "Non").
#pragma once

class QCoreApplication;

namespace window {

// Loads Qt's French translation into the application. Returns false when the
// translation file is not installed; the program then runs with English
// standard buttons.
bool installFrenchTranslation(QCoreApplication& application);

} // namespace window
