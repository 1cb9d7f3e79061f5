// SPDX-License-Identifier: GPL-3.0-or-later
// The French texts of the handlers' message boxes: why a calculation gave no
// result, why the result could not be saved or where it went, why a page did
// not open.
#pragma once

#include "engine/operations.h"
#include "window/calculation_kind.h"
#include "window/services.h"

#include <QString>

namespace window {

// Why `calculation` gave no result, for a refusal other than a stop: what is
// wrong with which operand, where, and what the command accepts; or which
// limit the computation met.
QString refusalMessage(Calculation calculation, const engine::operations::Refusal& refusal);

// Why the result could not be appended to the file at `path`.
QString saveFailedMessage(const QString& path, const WriteError& error);
// That the result was appended to the file at `path`, outside the program's folder.
QString savedElsewhereMessage(const QString& path);

// Why the page at `url` did not open, with its address to copy.
QString browserFailedMessage(const QString& url);

} // namespace window
