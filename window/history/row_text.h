// SPDX-License-Identifier: GPL-3.0-or-later
// One line of the history's list, from an entry's previews alone:
// "7 ^ 22000000 = 245…001 (18 592 157 chiffres) · 07/12/2026 10:15 · 2,1 s".
#pragma once

#include "window/history/entry.h"

#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

namespace history {

struct TextPreview {
    QString head;
    QString tail;
    std::int64_t characters = 0;
    std::optional<std::int64_t> digits;
};

using RowPreview = Calculation<TextPreview>;

QString rowText(const RowPreview& row);

// "18 592 157": groups of three digits, separated by a space.
QString groupedCount(std::int64_t count);
// "2,1 s", "3 min 05 s", "1 h 02 min".
QString durationText(std::chrono::milliseconds duration);

// The symbol that the list writes for a command ("^" for the power), which
// the search finds as well as the command's name.
QString commandSymbol(Command command);

} // namespace history
