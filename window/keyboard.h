// SPDX-License-Identifier: GPL-3.0-or-later
// Keyboard use of the main window, beyond the Tab order and the access keys
// ("&Quitter", the menu's "&?") that Qt gives from the captions:
// - Enter in a number field does nothing: a number is one line, and a user who
//   presses Enter after typing one does not mean to start a second line;
// - Enter on a focused button presses it, as Space does;
// - Ctrl+Q presses the quit button.
#pragma once

class QAbstractButton;
class QWidget;

namespace window {

// Sets up the keyboard of the controls that `window` holds now.
void setUpKeyboard(QWidget& window, QAbstractButton& quit);

} // namespace window
