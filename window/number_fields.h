// The fields that take numbers. What a paste or a drop brings into them is
// made into one number first (pastedNumber): a long number copied from a
// terminal or a web page arrives whole. What is typed stays as typed.
#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <cstdint>

namespace window {

// Operands a and b (and the result field, which the same class serves).
class NumberField : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// The precision of division. QLineEdit pastes through functions of its own
// that cannot be overridden, so each way in is taken here: the paste key,
// the context menu's "Coller", the middle button and a drop.
class PrecisionField : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

    // While the text gives no precision, a red frame, and a tooltip naming
    // `inUse`, the precision that divisions use meanwhile.
    void showPrecisionInUse(bool textGivesPrecision, std::int32_t inUse);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void pasteNumber(QClipboard::Mode mode = QClipboard::Clipboard);
};

} // namespace window
