// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/field_scroll_bar.h"

#include <QApplication>
#include <QStyleOptionSlider>

namespace window {

FieldScrollBarStyle::FieldScrollBarStyle(QObject* owner)
    : QProxyStyle(QApplication::style()->name()) {
    setParent(owner);
}

QRect FieldScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                          SubControl part, const QWidget* widget) const {
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || bar == nullptr || bar->orientation != Qt::Vertical) {
        return QProxyStyle::subControlRect(control, option, part, widget);
    }
    const QRect groove = bar->rect;
    const int length = groove.height();
    const qint64 range = qint64(bar->maximum) - bar->minimum;
    const qint64 proportional =
        range + bar->pageStep > 0 ? length * qint64(bar->pageStep) / (range + bar->pageStep) : 0;
    const int thumb =
        int(std::clamp<qint64>(proportional, std::min(groove.width(), length / 2), length / 2));
    const int top = sliderPositionFromValue(bar->minimum, bar->maximum, bar->sliderPosition,
                                            length - thumb, bar->upsideDown);
    switch (part) {
    case SC_ScrollBarGroove:
        return groove;
    case SC_ScrollBarSlider:
        return {groove.left(), groove.top() + top, groove.width(), thumb};
    case SC_ScrollBarSubPage:
        return {groove.left(), groove.top(), groove.width(), top};
    case SC_ScrollBarAddPage:
        return {groove.left(), groove.top() + top + thumb, groove.width(), length - top - thumb};
    default:
        return {}; // no step arrows, no first and last buttons
    }
}

void FieldScrollBarStyle::drawComplexControl(ComplexControl control,
                                             const QStyleOptionComplex* option, QPainter* painter,
                                             const QWidget* widget) const {
    if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
        control == CC_ScrollBar && bar != nullptr) {
        QStyleOptionSlider withoutArrows = *bar;
        withoutArrows.subControls &= ~(SC_ScrollBarAddLine | SC_ScrollBarSubLine);
        QProxyStyle::drawComplexControl(control, &withoutArrows, painter, widget);
        return;
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

} // namespace window
