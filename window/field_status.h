// SPDX-License-Identifier: GPL-3.0-or-later
// The status bar's figures for one number field: its count of digits, the
// digit after the caret, the selection's length in digits and, for a number
// of more than 15 digits, its order of magnitude. Each is a label that a
// screen reader reads. They follow the field's every edit and caret move at
// once; a caret move costs a search among the text's non-digits, never a
// pass over its digits.
#pragma once

#include <QPointer>
#include <QWidget>

#include <vector>

class QLabel;
class QStatusBar;

namespace window {

class NumberField;

class FieldStatus : public QObject {
    Q_OBJECT

public:
    // Adds the labels to `bar`.
    explicit FieldStatus(QStatusBar& bar);

    // Shows the figures of `field` from now on.
    void follow(NumberField* field);
    NumberField* followed() const { return field_; }

private:
    void showText();
    void showCaret();
    QLabel* addLabel(QStatusBar& bar, const char* name, const QString& description);

    QPointer<NumberField> field_;
    std::vector<QMetaObject::Connection> connections_;
    QLabel* digits_ = nullptr;
    QLabel* caret_ = nullptr;
    QLabel* selection_ = nullptr;
    QLabel* magnitude_ = nullptr;
};

} // namespace window
