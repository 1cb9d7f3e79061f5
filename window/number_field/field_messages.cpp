// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/field_messages.h"

#include "window/number_field/number_field.h"

#include <QDir>

namespace window {

namespace {

// "qui prend au plus 40 millions de caractères."
QString limitText() {
    return QStringLiteral(", qui prend au plus %1 millions de caractères.")
        .arg(NumberField::MaxLength / 1'000'000);
}

} // namespace

QString tooLongMessage() {
    return QStringLiteral("Ce texte est trop long pour le champ") + limitText();
}

QString fileTooLongMessage(const QString& path) {
    return QStringLiteral("Le fichier « %1 » est trop long pour le champ")
               .arg(QDir::toNativeSeparators(path)) +
           limitText();
}

QString unreadableFileMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Le fichier « %1 » ne peut pas être lu : %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace window
