// SPDX-License-Identifier: GPL-3.0-or-later
// The calculations that the window runs, as its texts name them.
#pragma once

#include "window/history/command.h"

namespace window {

// The calculations of the computing buttons: the same failure, or the same
// progress, is said differently for each. They are the commands that the
// history records, so one enum serves both.
using Calculation = history::Command;

} // namespace window
