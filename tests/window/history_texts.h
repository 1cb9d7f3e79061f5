// SPDX-License-Identifier: GPL-3.0-or-later
// Entries that the history tests and their child writers build alike, so
// that a test can tell what a killed child had committed, byte for byte.
#pragma once

#include "window/history/entry.h"

#include <cstdint>
#include <string>

namespace history_texts {

// A number of `digits` digits (and a sign and a point) made from `seed`.
inline std::string number(std::int64_t digits, std::uint32_t seed) {
    std::string text = (seed % 2 == 0) ? "-" : "";
    text.reserve(static_cast<std::size_t>(digits) + 2);
    std::uint32_t state = seed * 2654435761u + 1;
    for (std::int64_t i = 0; i < digits; ++i) {
        state = state * 1664525u + 1013904223u;
        text += static_cast<char>('0' + (state >> 28) % 10);
        if (i == digits / 3) {
            text += '.';
        }
    }
    return text;
}

// The `index`-th entry a child writes: long numbers when `digits` is large.
inline history::Entry entry(int index, std::int64_t digits) {
    history::Entry entry;
    entry.command = history::Command::Quotient;
    entry.a = "0" + std::to_string(index);
    entry.b = "Opération interdite\n" + std::to_string(index);
    entry.precision = index;
    entry.result = number(digits + index, static_cast<std::uint32_t>(index));
    return entry;
}

} // namespace history_texts
