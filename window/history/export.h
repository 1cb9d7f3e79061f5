// SPDX-License-Identifier: GPL-3.0-or-later
// The history written out as a text file: UTF-8, one block an entry, oldest
// first, every text whole:
//
//   a exposant (b) · 07/12/2026 10:15:03 · 2,1 s
//   a = 7
//   b = 22000000
//   résultat = 2450…(every digit)…001
//   (a blank line)
#pragma once

#include "window/history/store.h"

#include <QString>

#include <optional>
#include <vector>

namespace history {

// Writes the entries `ids` of `store` (in that order; those gone are left
// out) to the file at `path`, replacing it. Returns nothing once written, or
// the message that says why it could not be.
std::optional<QString> exportEntries(Store& store, const std::vector<std::int64_t>& ids,
                                     const QString& path);

} // namespace history
