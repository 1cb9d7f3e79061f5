// SPDX-License-Identifier: GPL-3.0-or-later
// What the progress window says while a calculation runs.
#pragma once

#include "window/calculation_kind.h"

#include <QString>

namespace window {

// What is being computed ("Calcul de a + b…").
QString calculationInProgress(Calculation calculation);
// How long the computation has run so far, in whole seconds.
QString elapsedTimeText(qint64 seconds);
// The caption of the button that stops the computation.
QString stopButtonCaption();

} // namespace window
