// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace window {

bool installFrenchTranslation(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        translator->deleteLater();
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace window
