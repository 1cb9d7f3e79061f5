// SPDX-License-Identifier: GPL-3.0-or-later
// One calculation of the history: which command, what it read, what it gave,
// when, and how long it took.
#pragma once

#include "engine/engine.h"
#include "window/history/command.h"

#include <QDateTime>
#include <QString>

#include <chrono>
#include <cstdint>
#include <optional>

namespace history {

// A calculation: its command, the operands it read, the precision a / b
// used (for a / b only), its result, when it finished and how long it took.
// `Number` is how the texts are held: whole as the fields held them (Entry),
// as the file stores them (StoredEntry), or as previews (RowPreview).
template <class Number> struct Calculation {
    Command command = Command::Sum;
    std::optional<Number> a;
    std::optional<Number> b;
    std::optional<std::int32_t> precision;
    Number result;
    QDateTime finishedAt = QDateTime::currentDateTime();
    std::chrono::milliseconds duration{0};
};

// A calculation, its texts as the fields held them (UTF-8, any bytes, kept
// byte for byte). `a` and `b` are the operands the command read (for the four
// operations, as they were written back into their fields); a command that
// does not read one leaves it empty (the factorial reads b alone). For the
// digit-power sum, `a` is the result field's text whose digits were summed.
using Entry = Calculation<engine::Text>;

// The texts of a stored entry, whole, for putting back into the fields or
// copying. `a` is empty for the digit-power sum, whose number was the result
// field's own text and is not put back into a.
struct PutBack {
    std::optional<QString> a;
    std::optional<QString> b;
    std::optional<std::int32_t> precision;
    QString result;
};

} // namespace history
