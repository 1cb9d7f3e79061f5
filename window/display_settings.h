// SPDX-License-Identifier: GPL-3.0-or-later
// How the number fields draw digits, as the "Affichage" menu sets it,
// remembered across runs in the application's settings.
#pragma once

namespace window {

struct DisplaySettings {
    bool groupDigits = true;
    int digitsPerGroup = 3;

    // The group sizes that the menu offers.
    static constexpr int GroupSizes[] = {3, 4, 5, 10};

    // The settings saved last, or the defaults; a saved group size that the
    // menu does not offer gives the default.
    static DisplaySettings load();
    void save() const;
    // The field's grouping: digits a group, 0 for none.
    int fieldGrouping() const { return groupDigits ? digitsPerGroup : 0; }
};

} // namespace window
