// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/caption_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace window {

CaptionButton::CaptionButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {}

void CaptionButton::setSolidColour(const QColor& colour) {
    solidColour_ = colour;
    const QString rgb = colour.name(QColor::HexRgb);
    const QString pressed = colour.darker(125).name(QColor::HexRgb);
    const QString disabled = colour.lighter(140).name(QColor::HexRgb);
    setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: #000000;"
                                 " border: 1px solid #404040; border-radius: 2px; }"
                                 "QPushButton:focus { border: 2px solid #000000; }"
                                 "QPushButton:pressed { background-color: %2; }"
                                 "QPushButton:disabled { background-color: %3; color: #707070;"
                                 " border-color: #909090; }")
                      .arg(rgb, pressed, disabled));
}

void CaptionButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);

    const int margin = 3;
    const QRect area = rect().adjusted(margin, 1, -margin, -1);
    painter.setFont(font());
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::ButtonText);
}

} // namespace window
