// SPDX-License-Identifier: GPL-3.0-or-later
// The field that shows and edits a number of any length (a, b and the
// result). The text is held once; it is shown in rows of as many characters
// as fit the width, one cell a character, and only the rows in sight are ever
// looked at: showing, scrolling or editing a number of tens of millions of
// digits costs about what it costs for a short one. Caret and selection are
// positions in the text; the scroll bar counts rows.
//
// Cells are as wide as a digit, or as the widest character of a text that
// holds wider ones, so that every character shows whole. A number (a sign,
// digits, a point) may be drawn in groups of digits with a gap between them,
// which exists only on screen (digit_groups.h).
//
// It offers what a text field offers: typing, the caret and selection keys,
// mouse selection, the clipboard, undo and redo, Qt's own context menu
// entries, a drop of text or of a text file, and a screen reader's view of
// its name and text (field_accessibility.h); and reading aids: its digit
// count, the digit at a position, going to a digit and finding a sequence.
#pragma once

#include "engine/engine.h"
#include "window/number_field/cell_font.h"
#include "window/number_field/digit_groups.h"
#include "window/number_field/field_text.h"
#include "window/number_field/row_layout.h"
#include "window/number_field/text_census.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QClipboard>

#include <optional>
#include <string_view>

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

enum class SearchDirection { Forward, Backward };

// An occurrence that a search found: where it starts, and whether the search
// went on from the other end of the text to find it.
struct FoundSequence {
    qsizetype position = 0;
    bool wrapped = false;
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
    // The same with a UTF-8 text (as QString::fromUtf8 reads it), compared
    // before it is converted, and converted into the buffer of the text that
    // it replaces when it can: a result of tens of millions of digits costs
    // no new memory in place of one as long.
    void setUtf8Text(std::string_view utf8);

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

    // Groups of `digitsPerGroup` digits drawn apart when the text is a
    // number; 0 draws none.
    void setDigitGrouping(int digitsPerGroup);
    int digitGrouping() const { return digitsPerGroup_; }

    // Reading aids (field_reading.cpp). The digits that the text holds.
    qsizetype digitCount() const { return census_.digitCount(); }
    // The digits before `position`; unknown when the text holds thousands of
    // other characters.
    std::optional<qsizetype> digitsBefore(qsizetype position) const {
        return census_.digitsBefore(position);
    }
    // The parts of the text when it is a number.
    std::optional<NumberParts> numberParts() const;
    // Puts the caret before digit `number` (1 first), selects that digit and
    // brings it into sight; false, changing nothing, when there is no such digit.
    bool goToDigit(qsizetype number);
    // Finds `sequence` (not empty) after the caret, or before it, going on
    // from the other end when it meets one; puts the caret before what it
    // found and selects it. Nothing found changes nothing.
    std::optional<FoundSequence> findSequence(const QString& sequence, SearchDirection direction);
    // How many times `sequence` starts in [from, to) of the text.
    qsizetype countSequence(const QString& sequence, qsizetype from, qsizetype to) const;

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
    // The caret or the selection moved, the text staying the same.
    void caretMoved();
    // The context menu's "Aller au chiffre…" was chosen.
    void goToDigitAsked();
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
    void textSet(const QString& former);
    bool replaceSelection(const QString& text, EditKind kind);
    void replaceRange(qsizetype from, qsizetype to, const QString& text, EditKind kind);
    void changed(const TextChange& change);
    void moveCaret(qsizetype to, bool keepAnchor);
    void insertPasted(const QString& text);
    void offerSelection();

    // Rows and cells (number_field.cpp).
    void relayout();
    void measureCells();
    void layOutRows(int width);
    qsizetype firstRow() const;
    qsizetype rowsInSight() const;
    qsizetype rowsThatFit(int height) const;
    qsizetype columnsThatFit(int width) const;
    // Where the cell of `column` of `row` starts, in the viewport, and its width.
    qreal columnX(const Row& row, qsizetype column) const;
    qreal columnWidth(const Row& row, qsizetype column) const;

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
    void drawCharacters(QPainter& painter, const Row& row, qsizetype from, qsizetype to,
                        qreal baseline) const;
    void restartBlinking();

    // Context menu (field_menu.cpp).
    QMenu* createContextMenu();
    // Drop and files (field_drop.cpp).
    void loadFile(const QString& path);
    void refuseLater(const QString& message);

    // The room between the frame and the text, as in Qt's own text fields.
    static constexpr int Margin = 4;
    // Texts up to this long that are not numbers are drawn as text is, each
    // character as wide as its advance; laying them out takes a pass.
    static constexpr qsizetype LongestProportionalText = 10'000;

    FieldText text_;
    TextCensus census_;
    RowLayout layout_;
    CellFont font_;
    bool pastesNormalised_ = false;
    int digitsPerGroup_ = 0;
    DigitGroups groups_;        // of the text, when it is a number drawn in groups
    bool proportional_ = false; // each character as wide as its advance, not in cells
    qreal cellWidth_ = 1;       // a digit's width, or the text's widest character's
    qreal gapWidth_ = 0;        // between two groups
    qsizetype goalColumn_ = -1; // the column that Up and Down keep, while they repeat
    bool caretShown_ = false;
    bool selecting_ = false; // the left button is down, selecting
    QPoint lastMouse_;
    qsizetype dropPosition_ = -1; // where a dragged text would go
    QBasicTimer blinking_;
    QBasicTimer autoScroll_;
};

} // namespace window
