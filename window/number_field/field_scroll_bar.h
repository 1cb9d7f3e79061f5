// SPDX-License-Identifier: GPL-3.0-or-later
// The number field's vertical scroll bar, drawn by the application's style
// with a geometry of its own. A field is two or three rows high: the style's
// step arrows would leave its thumb a groove of a few pixels, which its least
// length fills, so that it could not be dragged. Here the groove takes the
// whole bar and the thumb is as long as the bar is wide, at most half the
// groove, so that dragging it moves through the whole number and its middle
// at the groove's middle shows the number's middle rows. The wheel, the keys
// and a click into the groove move the view as before.
#pragma once

#include <QProxyStyle>

namespace window {

class FieldScrollBarStyle : public QProxyStyle {
    Q_OBJECT

public:
    // A style of the application's kind, owned by `owner`.
    explicit FieldScrollBarStyle(QObject* owner);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace window
