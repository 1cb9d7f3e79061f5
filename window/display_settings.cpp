// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/display_settings.h"

#include <QSettings>

#include <algorithm>

namespace window {

namespace {

constexpr char GroupDigitsKey[] = "affichage/grouperChiffres";
constexpr char DigitsPerGroupKey[] = "affichage/chiffresParGroupe";

} // namespace

DisplaySettings DisplaySettings::load() {
    const QSettings settings;
    DisplaySettings loaded;
    loaded.groupDigits = settings.value(GroupDigitsKey, loaded.groupDigits).toBool();
    const int size = settings.value(DigitsPerGroupKey, loaded.digitsPerGroup).toInt();
    if (std::ranges::find(GroupSizes, size) != std::end(GroupSizes)) {
        loaded.digitsPerGroup = size;
    }
    return loaded;
}

void DisplaySettings::save() const {
    QSettings settings;
    settings.setValue(GroupDigitsKey, groupDigits);
    settings.setValue(DigitsPerGroupKey, digitsPerGroup);
}

} // namespace window
