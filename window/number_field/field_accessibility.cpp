// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/number_field/field_accessibility.h"

#include "window/number_field/number_field.h"

#include <QAccessibleWidget>

namespace window {

namespace {

// The field as an editable text: its value is its text; the text interface
// gives its characters, caret, selection and where each character stands.
class NumberFieldAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NumberFieldAccessible(NumberField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? field().toPlainText() : QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override {
        const bool selected = index == 0 && selectionCount() == 1;
        *start = selected ? int(std::min(field().anchorPosition(), field().caretPosition())) : 0;
        *end = selected ? int(std::max(field().anchorPosition(), field().caretPosition())) : 0;
    }
    int selectionCount() const override {
        return field().anchorPosition() != field().caretPosition() ? 1 : 0;
    }
    void addSelection(int start, int end) override { field().setSelection(start, end); }
    void removeSelection(int) override {
        field().setSelection(field().caretPosition(), field().caretPosition());
    }
    void setSelection(int, int start, int end) override { field().setSelection(start, end); }
    int cursorPosition() const override { return int(field().caretPosition()); }
    void setCursorPosition(int position) override { field().setSelection(position, position); }
    QString text(int start, int end) const override {
        return field().toPlainText().mid(start, end - start);
    }
    int characterCount() const override { return int(field().toPlainText().size()); }
    QRect characterRect(int offset) const override {
        const QRect cell = field().cellRect(offset);
        return QRect(field().viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return int(field().positionAt(field().viewport()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int start, int) override { field().scrollToPosition(start); }
    QString attributes(int offset, int* start, int* end) const override {
        *start = offset;
        *end = offset;
        return {};
    }

private:
    NumberField& field() const { return *static_cast<NumberField*>(widget()); }
};

QAccessibleInterface* numberFieldInterface(const QString& className, QObject* object) {
    if (className == QLatin1String(NumberField::staticMetaObject.className()) &&
        object != nullptr && object->isWidgetType()) {
        return new NumberFieldAccessible(static_cast<NumberField*>(object));
    }
    return nullptr;
}

} // namespace

void installNumberFieldAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(numberFieldInterface);
        return true;
    }();
    (void)installed;
}

QString textToAnnounceAsFormer(const NumberField& field) {
    return QAccessible::isActive() ? field.toPlainText() : QString();
}

void announceNewText(NumberField& field, const QString& former) {
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(&field, 0, former, field.toPlainText());
        QAccessible::updateAccessibility(&event);
    }
}

void announceChange(NumberField& field, const TextChange& change) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (!change.removed.isEmpty()) {
        QAccessibleTextRemoveEvent event(&field, int(change.position), change.removed);
        QAccessible::updateAccessibility(&event);
    }
    if (change.inserted > 0) {
        QAccessibleTextInsertEvent event(&field, int(change.position),
                                         field.toPlainText().mid(change.position, change.inserted));
        QAccessible::updateAccessibility(&event);
    }
    announceCaret(field, false);
}

void announceCaret(NumberField& field, bool selectionChanged) {
    if (!QAccessible::isActive()) {
        return;
    }
    if (selectionChanged) {
        QAccessibleTextSelectionEvent event(
            &field, int(std::min(field.anchorPosition(), field.caretPosition())),
            int(std::max(field.anchorPosition(), field.caretPosition())));
        QAccessible::updateAccessibility(&event);
    }
    QAccessibleTextCursorEvent event(&field, int(field.caretPosition()));
    QAccessible::updateAccessibility(&event);
}

} // namespace window
