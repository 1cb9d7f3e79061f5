// SPDX-License-Identifier: GPL-3.0-or-later
// A push button whose caption wraps onto several lines when it is wider than
// the button, as the calculator's long captions need ("Nombre de chiffres du
// résultat" on a button 137 pixels wide). The caption stays the button's text,
// with its "&" access key.
#pragma once

#include <QColor>
#include <QPushButton>

#include <optional>

namespace window {

class CaptionButton : public QPushButton {
    Q_OBJECT

public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    // Paints the button in a solid colour with dark text. Fusion turns a plain
    // background colour into a light gradient; a style sheet that also sets a
    // border shows the exact colour.
    void setSolidColour(const QColor& colour);
    std::optional<QColor> solidColour() const { return solidColour_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> solidColour_;
};

} // namespace window
