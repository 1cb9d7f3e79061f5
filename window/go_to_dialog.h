// SPDX-License-Identifier: GPL-3.0-or-later
// "Aller au chiffre": asks for the number of a digit of a number field,
// counted from the left as the status bar counts, and puts the field's caret
// before it. A number out of range, or a text that is no number, is answered
// in the dialog, which stays open.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

namespace window {

class NumberField;

class GoToDigitDialog : public QDialog {
    Q_OBJECT

public:
    GoToDigitDialog(NumberField& field, QWidget* parent);

    void accept() override;

private:
    NumberField& field_;
    QLineEdit* number_ = nullptr;
    QLabel* message_ = nullptr;
};

} // namespace window
