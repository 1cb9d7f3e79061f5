// SPDX-License-Identifier: GPL-3.0-or-later
// The precision field. What a paste or a drop brings into it is made into
// one number first (pastedNumber), as in the operand fields
// (window/number_field/number_field.h). What is typed stays as typed.
#pragma once

#include <QClipboard>
#include <QLineEdit>

#include <cstdint>

namespace window {

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
