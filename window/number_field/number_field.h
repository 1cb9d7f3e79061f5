// SPDX-License-Identifier: GPL-3.0-or-later
// The field that shows and edits a number of any length (a, b and the
// result). The text is held once; it is shown in rows of as many characters
// as fit the width, one digit-wide cell a character, and only the rows in
// sight are ever looked at: showing, scrolling or editing a number of tens of
// millions of digits costs about what it costs for a short one. Caret and
// selection are positions in the text; the scroll bar counts rows.
//
// It offers what a text field offers: typing, the caret and selection keys,
// mouse selection, the clipboard, undo and redo, Qt's own context menu
// entries, a drop of text or of a text file, and a screen reader's view of
// its name and text (field_accessibility.h).
#pragma once

#include "engine/engine.h"
#include "window/number_field/field_text.h"
#include "window/number_field/row_layout.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QClipboard>

#include <bitset>

class QMenu;

namespace window {

// Where a caret key takes the caret.
enum class CaretMotion {
    PreviousCharacter,
    NextCharacter,
    PreviousWord,
    NextWord,
    PreviousRow,
    NextRow,
    PreviousPage,
    NextPage,
    StartOfRow,
    EndOfRow,
    StartOfText,
    EndOfText,
};

class NumberField : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(QString plainText READ toPlainText WRITE setPlainText NOTIFY textChanged USER true)

public:
    // The longest text that the user can give a field, by typing, pasting or
    // dropping: two results of the longest length.
    static constexpr qsizetype MaxLength = 2 * engine::MaxResultDigits;

    explicit NumberField(QWidget* parent = nullptr);

    QString toPlainText() const { return text_.text(); }
    // Replaces the whole text, forgetting the undo history, and puts the
    // caret at its start. The text that the field holds already changes nothing.
    void setPlainText(const QString& text);

    // Replaces the whole text as one edit, which Ctrl+Z undoes, and puts the
    // caret at its end. The text that the field holds already changes nothing.
    void replaceText(const QString& text);

    // Whether a paste or a drop is made into one number (pastedNumber) before
    // it goes in: on for the operands, off for the result, which takes a
    // paste as it comes.
    bool pastesNormalised() const { return pastesNormalised_; }
    void setPastesNormalised(bool normalised) { pastesNormalised_ = normalised; }

    qsizetype caretPosition() const { return text_.caret(); }
    qsizetype anchorPosition() const { return text_.anchor(); }
    QString selectedText() const { return text_.selectedText(); }
    // Selects from `anchor` to `caret` and brings the caret into sight.
    void setSelection(qsizetype anchor, qsizetype caret);
    // Scrolls, when needed, until the row of `position` is in sight.
    void scrollToPosition(qsizetype position);

    // Characters a row.
    qsizetype columns() const { return layout_.columns(); }
    // The cell of the character at `position`, in the viewport's coordinates;
    // the caret stands at its left edge.
    QRect cellRect(qsizetype position) const;
    // The position nearest to `point` of the viewport.
    qsizetype positionAt(QPoint point) const;

public slots:
    void undo();
    void redo();
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();

signals:
    void textChanged();
    // A paste or a drop that the field did not take, and why, in French.
    void refused(const QString& message);

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Editing (number_field.cpp).
    bool replaceSelection(const QString& text, EditKind kind);
    void replaceRange(qsizetype from, qsizetype to, const QString& text, EditKind kind);
    void changed(const TextChange& change);
    void moveCaret(qsizetype to, bool keepAnchor);
    void insertPasted(const QString& text);
    void offerSelection();

    // Rows and cells (number_field.cpp).
    void relayout();
    qsizetype firstRow() const;
    qsizetype rowsInSight() const;
    qsizetype rowsThatFit(int height) const;
    qsizetype columnsThatFit(int width) const;

    // Keys and mouse (field_input.cpp).
    bool isEditingKey(const QKeyEvent& key) const;
    bool moveByKey(const QKeyEvent& key);
    bool editByKey(const QKeyEvent& key);
    qsizetype target(CaretMotion motion);
    qsizetype rowsAway(qsizetype rows);
    qsizetype previousCharacter(qsizetype position) const;
    qsizetype nextCharacter(qsizetype position) const;
    qsizetype previousWord(qsizetype position) const;
    qsizetype nextWord(qsizetype position) const;
    void selectWordAt(qsizetype position);
    void scrollWhileSelecting();

    // Painting and the caret's blinking (field_painting.cpp).
    void drawRow(QPainter& painter, const Row& row, qreal top) const;
    void drawCells(QPainter& painter, QStringView cells, QPointF origin) const;
    bool fillsOneCell(QChar c) const;
    void measureFont();
    void restartBlinking();

    // Context menu (field_menu.cpp).
    QMenu* createContextMenu();
    // Drop and files (field_drop.cpp).
    void loadFile(const QString& path);
    void refuseLater(const QString& message);

    // The room between the frame and the text, as in Qt's own text fields.
    static constexpr int Margin = 4;

    FieldText text_;
    RowLayout layout_;
    bool pastesNormalised_ = false;
    qreal cellWidth_ = 1;
    int rowHeight_ = 1;
    qreal ascent_ = 0;
    std::bitset<128> fillsCell_; // the ASCII characters exactly as wide as a digit
    qsizetype goalColumn_ = -1;  // the column that Up and Down keep, while they repeat
    bool caretShown_ = false;
    bool selecting_ = false; // the left button is down, selecting
    QPoint lastMouse_;
    qsizetype dropPosition_ = -1; // where a dragged text would go
    QBasicTimer blinking_;
    QBasicTimer autoScroll_;
};

} // namespace window
