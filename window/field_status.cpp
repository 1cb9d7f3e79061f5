// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/field_status.h"

#include "window/french_figures.h"
#include "window/number_field/number_field.h"
#include "window/number_field/number_magnitude.h"

#include <QLabel>
#include <QStatusBar>

namespace window {

namespace {

// Numbers with more digits than this get their order of magnitude.
constexpr qsizetype LongestWithoutMagnitude = 15;
constexpr qsizetype MagnitudeDigits = 5;

} // namespace

FieldStatus::FieldStatus(QStatusBar& bar) : QObject(&bar) {
    digits_ = addLabel(bar, "lblChiffres", QStringLiteral("Nombre de chiffres du champ"));
    caret_ = addLabel(bar, "lblPosition", QStringLiteral("Chiffre où se trouve le curseur"));
    selection_ = addLabel(bar, "lblSelection", QStringLiteral("Chiffres sélectionnés"));
    magnitude_ = addLabel(bar, "lblOrdreDeGrandeur", QStringLiteral("Ordre de grandeur du nombre"));
}

// A label whose text is what a screen reader reads as its name; its
// description says what the figure is.
QLabel* FieldStatus::addLabel(QStatusBar& bar, const char* name, const QString& description) {
    auto* label = new QLabel(&bar);
    label->setObjectName(QString::fromLatin1(name));
    label->setAccessibleDescription(description);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Cut rather than widen the window when the figures are long.
    label->setMinimumWidth(1);
    bar.addWidget(label);
    return label;
}

void FieldStatus::follow(NumberField* field) {
    if (field == field_) {
        return;
    }
    for (const QMetaObject::Connection& connection : connections_) {
        disconnect(connection);
    }
    connections_.clear();
    field_ = field;
    if (field != nullptr) {
        connections_.push_back(
            connect(field, &NumberField::textChanged, this, &FieldStatus::showText));
        connections_.push_back(
            connect(field, &NumberField::caretMoved, this, &FieldStatus::showCaret));
    }
    showText();
}

// The count and the order of magnitude, which change with the text alone.
void FieldStatus::showText() {
    QString magnitude;
    if (field_ != nullptr && field_->digitCount() > LongestWithoutMagnitude) {
        if (const std::optional<NumberParts> parts = field_->numberParts()) {
            const QString text = field_->toPlainText();
            if (const std::optional<Magnitude> found = magnitudeOf(text, *parts, MagnitudeDigits)) {
                magnitude = magnitudeText(*found);
            }
        }
    }
    digits_->setText(field_ != nullptr ? digitCountText(field_->digitCount()) : QString());
    magnitude_->setText(magnitude);
    magnitude_->setVisible(!magnitude.isEmpty());
    showCaret();
}

// The digit after the caret (the last one when the caret is after it), and
// the selection's digits.
void FieldStatus::showCaret() {
    QString caret;
    QString selection;
    if (field_ != nullptr && field_->digitCount() > 0) {
        const qsizetype start = std::min(field_->caretPosition(), field_->anchorPosition());
        const qsizetype end = std::max(field_->caretPosition(), field_->anchorPosition());
        const std::optional<qsizetype> before = field_->digitsBefore(field_->caretPosition());
        if (before) {
            caret = QStringLiteral("chiffre n° ") +
                    withThousands(std::min(*before + 1, field_->digitCount()));
        }
        const std::optional<qsizetype> selected = field_->digitsBefore(start);
        if (start < end && selected) {
            const qsizetype digits = *field_->digitsBefore(end) - *selected;
            selection = digitCountText(digits) + (digits < 2 ? QStringLiteral(" sélectionné")
                                                             : QStringLiteral(" sélectionnés"));
        }
    }
    caret_->setText(caret);
    caret_->setVisible(!caret.isEmpty());
    selection_->setText(selection);
    selection_->setVisible(!selection.isEmpty());
}

} // namespace window
