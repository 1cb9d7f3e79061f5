// SPDX-License-Identifier: GPL-3.0-or-later
// The number field alone, offscreen, ten characters a row and three rows in
// sight: keys, mouse, clipboard, undo, drops and refusals against the text,
// caret and selection expected; where characters stand; and what tools and
// screen readers see.
#include "window/number_field/number_field.h"
#include "window/translation.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using window::NumberField;

namespace {

// The text with "|" at the caret and, when there is a selection, "^" at its anchor.
QString marked(const NumberField& field) {
    QString text = field.toPlainText();
    const qsizetype caret = field.caretPosition();
    const qsizetype anchor = field.anchorPosition();
    if (anchor != caret) {
        text.insert(std::max(anchor, caret), anchor > caret ? u'^' : u'|');
    }
    return text.insert(std::min(anchor, caret), anchor < caret ? u'^' : u'|');
}

QPoint cellPoint(const NumberField& field, qsizetype position) {
    const QRect cell = field.cellRect(position);
    return {cell.left() + 1, cell.center().y()};
}

void drop(NumberField& field, QMimeData& data) {
    const QPoint at = cellPoint(field, 0);
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field.viewport(), &enter);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(field.viewport(), &dropped);
}

} // namespace

class NumberFieldTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(window::installFrenchTranslation(*QCoreApplication::instance()));
    }

    // Steps, split at ";": "k KEYS" a key sequence, "t TEXT" typed, "c N" a
    // click at position N, "s N" a Shift+click, "d N" a double-click, "g N M" a
    // drag, "p TEXT" pasted with Ctrl+V, "m NAME" a context menu entry, "f TEXT"
    // a file dropped, "f" a missing file, "G N" go to digit N, "F TEXT" and
    // "B TEXT" find forwards and backwards.
    void editing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("normalised");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected"); // see marked()
        QTest::addColumn<int>("changes");
        QTest::addColumn<QString>("refusal"); // a part of the box's text
        const QString rows25 = QStringLiteral("0123456789").repeated(3).left(25);
        const QString full = QString(NumberField::MaxLength - 2, u'7');
        const auto row = [](const char* name, const QString& text, const char* steps,
                            const QString& expected, int changes, const char* refusal = "",
                            bool normalised = true) {
            QTest::newRow(name) << text << normalised << steps << expected << changes << refusal;
        };
        // clang-format off
        row("typing", "", "t 123", "123|", 3);
        row("Delete, End, Backspace", "12345", "k Delete; k End; k Backspace", "234|", 2);
        row("Shift+Right, typed over", "12345", "k Right; k Shift+Right; k Shift+Right; t 9", "19|45", 1);
        row("Left ends a selection at its start", "12345", "k Shift+End; k Left", "|12345", 0);
        row("Ctrl+A, typed over", "123", "k Ctrl+A; t 7", "7|", 1);
        row("typing is one undo", "", "t 123; k Left; t 4; k Ctrl+Z", "12|3", 5);
        row("undo, Ctrl+Y, Ctrl+Shift+Z", "", "t 123; k Left; t 4; k Ctrl+Z; k Ctrl+Z; k Ctrl+Y; k Ctrl+Shift+Z", "124|3", 8);
        row("Backspaces are one undo", "12345", "k End; k Backspace; k Backspace; k Ctrl+Z", "12345|", 3);
        row("Down and Up keep the column", rows25, "c 8; k Down; k Down; k Up", rows25.left(18) + "|" + rows25.mid(18), 0);
        row("Home, Shift+End by rows", rows25, "c 14; k Home; k Shift+End", rows25.left(10) + "^" + rows25.mid(10, 10) + "|" + rows25.mid(20), 0);
        row("Page Down, Shift+Page Up", rows25 + rows25, "c 2; k PgDown; k Shift+PgUp", "01|" + (rows25 + rows25).mid(2, 30) + "^" + (rows25 + rows25).mid(32), 0);
        row("Ctrl+End, Shift+Ctrl+Home", rows25, "k Ctrl+End; k Shift+Ctrl+Home", "|" + rows25 + "^", 0);
        row("words", "12 345 67", "k Ctrl+Right; k Ctrl+Right; k Ctrl+Shift+Left", "12 |345 ^67", 0);
        row("Ctrl+Backspace", "12 345", "k End; k Ctrl+Backspace", "12 |", 1);
        row("click, Shift+click", "0123456789012", "c 2; s 12", "01^2345678901|2", 0);
        row("drag upwards", "0123456789012", "g 12 3", "012|345678901^2", 0);
        row("double-click", "12 345 67", "d 4", "12 ^345| 67", 0);
        row("paste as one number", "", "p 1 234\\\n567", "1234567|", 1);
        row("paste as it comes", "", "p 1 2\n3", "1 2\n3|", 1, "", false);
        row("cut and paste twice", "12345", "k Shift+End; k Ctrl+X; k Ctrl+V; k Ctrl+V", "1234512345|", 3);
        row("context menu", "123", "m select-all; m edit-copy; k End; m edit-paste; m edit-undo", "123|", 2);
        row("paste that would pass the limit", full, "p 123", "|" + full, 0, "200 millions de caractères");
        row("paste up to the limit", full, "k Ctrl+End; p 12", full + "12|", 1);
        row("file dropped, then undone", "99", "f  12 345\n678\n; k Ctrl+Z", "99|", 2);
        row("file dropped into the result", "99", "f 12 345\n", "12 345\n|", 1, "", false);
        row("missing file", "99", "f", "|99", 0, "ne peut pas être lu");
        row("Enter types nothing", "12", "k Return", "|12", 0);
        row("go to the first digit", "-12.5", "G 1", "-|1^2.5", 0);
        row("go to the last digit", "-12.5", "G 3", "-12.|5^", 0);
        row("no digit 0, none after the last", "-12.5", "k End; G 0; G 4", "-12.5|", 0);
        row("find, then find on", "121 12", "F 12; F 12", "121 |12^", 0);
        row("find overlapping occurrences", "1111", "F 11; F 11; F 11", "11|11^", 0);
        row("find goes on from the start", "121 12", "k End; F 12", "|12^1 12", 0);
        row("find backwards goes on from the end", "121 12", "F 12; B 12", "121 |12^", 0);
        row("absent sequence", "12345", "k End; F 54; B 54", "12345|", 0);
        // clang-format on
    }

    void editing() {
        QFETCH(QString, text);
        QFETCH(bool, normalised);
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        QFETCH(int, changes);
        QFETCH(QString, refusal);
        const std::unique_ptr<NumberField> field = shownField(text);
        field->setPastesNormalised(normalised);
        QSignalSpy changed(field.get(), &NumberField::textChanged);
        QStringList refusals;
        connect(field.get(), &NumberField::refused, this, [&](const QString& m) { refusals << m; });
        for (const QString& step : steps.split(u';', Qt::SkipEmptyParts)) {
            act(*field, step.startsWith(u' ') ? step.mid(1) : step);
        }
        QTRY_COMPARE(refusals.size(), int(!refusal.isEmpty()));
        QVERIFY2(refusals.join(u' ').contains(refusal), qPrintable(refusals.join(u' ')));
        QCOMPARE(marked(*field), expected);
        QCOMPARE(changed.size(), changes);
    }

    // A line break (CR LF counting as one) starts a row; a full row goes on in
    // the next.
    void cellsOfAnyText() {
        const std::unique_ptr<NumberField> field =
            shownField(QString::fromUtf8("12\r\n3456\u20287\n") + QString(12, u'9'), false);
        const QRect first = field->cellRect(0);
        const double width = (field->cellRect(20).left() - field->cellRect(11).left()) / 9.0;
        const auto cellOf = [&](qsizetype position) {
            const QRect cell = field->cellRect(position);
            return QPoint(qRound((cell.left() - first.left()) / width),
                          (cell.top() - first.top()) / first.height());
        };
        // position: column, row
        const std::pair<qsizetype, QPoint> cells[] = {
            {2, {2, 0}},  {4, {0, 1}},  {6, {2, 1}},  {7, {3, 1}}, {9, {0, 2}},
            {11, {0, 3}}, {21, {0, 4}}, {23, {2, 4}}, {3, {2, 0}}, // 3: between CR and LF
        };
        for (const auto& [position, cell] : cells) {
            QCOMPARE(cellOf(position), cell);
            QCOMPARE(field->positionAt(field->cellRect(position).topLeft() + QPoint(1, 1)),
                     position == 3 ? 2 : position);
        }
        QCOMPARE(field->verticalScrollBar()->maximum(), 5 - 3);
    }

    // The property that tools write; the same text again changes nothing; a
    // screen reader gets the name, the text, the caret and the selection; the
    // context menu speaks French.
    void interfaceForToolsAndScreenReaders() {
        const std::unique_ptr<NumberField> field = shownField({});
        field->setAccessibleName(QStringLiteral("résultat"));
        QSignalSpy changed(field.get(), &NumberField::textChanged);
        QVERIFY(field->setProperty("plainText", QStringLiteral("12345")));
        field->setPlainText(QStringLiteral("12345"));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(field->metaObject()->userProperty().name(), "plainText");
        field->setSelection(1, 3);
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(field.get());
        QAccessibleTextInterface* text = reader->textInterface();
        int start = 0;
        int end = 0;
        text->selection(0, &start, &end);
        QCOMPARE(QStringList({reader->text(QAccessible::Name), reader->text(QAccessible::Value),
                              text->text(0, text->characterCount())}),
                 QStringList({"résultat", "12345", "12345"}));
        QCOMPARE(QList<int>({text->cursorPosition(), start, end, int(reader->role())}),
                 QList<int>({3, 1, 3, int(QAccessible::EditableText)}));
        QStringList entries;
        QMenu* menu = contextMenu(*field);
        for (const QAction* action : menu->actions()) {
            entries << action->text().section(u'\t', 0, 0);
        }
        menu->close();
        QCOMPARE(entries,
                 QStringList({"&Annuler", "&Rétablir", "", "Co&uper", "Cop&ier", "Co&ller",
                              "Supprimer", "", "Tout sélectionner", "", "Aller au chiffre…"}));
        // The window's access keys work from the field; its editing keys are its own.
        QStringList pressed;
        QApplication::setActiveWindow(field.get());
        QVERIFY(QTest::qWaitForWindowActive(field.get()));
        for (const char* keys : {"Alt+Q", "Ctrl+Q", "Ctrl+Z"}) {
            connect(new QShortcut(QKeySequence(keys), field.get()), &QShortcut::activated, this,
                    [&pressed, keys] { pressed << keys; });
            QTest::keySequence(field.get(), QKeySequence(keys));
        }
        QCOMPARE(pressed, QStringList({"Alt+Q", "Ctrl+Q"}));
    }

    // Gaps between groups of digits, counted from the point, in a number
    // alone: shown as blanks in `drawn`. A click lands on the nearest
    // character edge, in a gap on the group after it; the text, the copy and
    // what a screen reader reads have no gaps.
    void digitGroups_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("drawn");
        const auto row = [](const char* text, int size, const char* drawn) {
            QTest::addRow("%s by %d", text, size) << text << size << drawn;
        };
        row("1234567", 3, "1 234 567");
        row("-1234567.1234567", 3, "-1 234 567.123 456 7");
        row("+12345.5", 4, "+1 2345.5");
        row("123456789012", 5, "12 34567 89012");
        row("12345678901234567890123", 10, "123 4567890123 4567890123");
        row(".12345", 3, ".123 45");
        row("1234567", 0, "1234567");
        row("12a4567", 3, "12a4567");
        row("1.234.567", 3, "1.234.567");
        row("1234567 ", 3, "1234567 ");
    }

    void digitGroups() {
        QFETCH(QString, text);
        QFETCH(int, size);
        QFETCH(QString, drawn);
        const std::unique_ptr<NumberField> field = shownField({});
        field->resize(800, field->height());
        field->setDigitGrouping(size);
        field->setPlainText(text);
        QString seen = text.left(1);
        for (qsizetype p = 1; p < text.size(); ++p) {
            const QRect cell = field->cellRect(p);
            // Cells are aligned outwards to whole pixels: a gap of a third of
            // a digit leaves at least two columns between them.
            const bool gap = cell.left() - field->cellRect(p - 1).right() > 1;
            seen += (gap ? QStringLiteral(" ") : QString()) + text[p];
            const QPoint quarter(cell.width() / 4, 0);
            const QPoint inGap =
                gap ? QPoint(cell.left() - 1, cell.center().y()) : cell.center() - quarter;
            QCOMPARE(QList<qsizetype>({field->positionAt(inGap),
                                       field->positionAt(cell.center() - quarter),
                                       field->positionAt(cell.center() + quarter)}),
                     QList<qsizetype>({p, p, p + 1}));
        }
        QCOMPARE(seen, drawn);
        QCOMPARE(field->positionAt(field->cellRect(text.size()).center() + QPoint(50, 0)),
                 text.size());
        QTest::keyClick(field.get(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(field.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QCOMPARE(QAccessible::queryAccessibleInterface(field.get())->text(QAccessible::Value),
                 text);
    }

    // Letters wider than a digit show whole, in a text as short as a message
    // (laid out as text) or long (in cells as wide as its widest letter): the
    // ink of each character of the first row is as wide as the character
    // drawn alone, and ends inside the viewport.
    void wideCharactersWhole() {
        const QString letters = QStringLiteral("OpOWMmw0O");
        for (const QString& text : {letters, letters.repeated(2000)}) {
            const std::unique_ptr<NumberField> field = shownField(text, false);
            const QImage image = field->viewport()->grab().toImage();
            const QColor background = field->palette().color(QPalette::Base);
            for (qsizetype p = 0; field->cellRect(p).top() == field->cellRect(0).top(); ++p) {
                const QRect cell = field->cellRect(p);
                QVERIFY(cell.right() < image.width());
                QVERIFY2(inkWidth(image, cell, background) >= aloneInkWidth(*field, text[p]) - 1,
                         qPrintable(QStringLiteral("%1 at %2").arg(text[p]).arg(p)));
            }
        }
    }

private:
    // Columns of `area` of `image` where a pixel is darker than `background`.
    static int inkWidth(const QImage& image, const QRect& area, const QColor& background) {
        int columns = 0;
        for (int x = area.left(); x <= area.right(); ++x) {
            bool ink = false;
            for (int y = area.top(); y <= area.bottom() && y < image.height(); ++y) {
                ink = ink || qGray(image.pixel(x, y)) < qGray(background.rgb()) - 64;
            }
            columns += ink ? 1 : 0;
        }
        return columns;
    }

    static int aloneInkWidth(const QWidget& field, QChar c) {
        QImage image(40, 40, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(field.font());
        painter.drawText(QPointF(10, 30), QString(c));
        painter.end();
        return inkWidth(image, image.rect(), Qt::white);
    }

    // Ten characters a row, three rows in sight.
    std::unique_ptr<NumberField> shownField(const QString& text, bool normalised = true) {
        auto field = std::make_unique<NumberField>();
        field->setPastesNormalised(normalised);
        field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn); // the same rows for every text
        field->show();
        if (!QTest::qWaitForWindowExposed(field.get())) {
            return field;
        }
        field->setPlainText(QString(100, u'0'));
        for (int width = 50; field->columns() != 10 && width < 1000; ++width) {
            field->resize(width, 300);
        }
        for (int height = 20; field->verticalScrollBar()->pageStep() != 3 && height < 300;
             ++height) {
            field->resize(field->width(), height);
        }
        field->setPlainText(text);
        return field;
    }

    QMenu* contextMenu(NumberField& field) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field.viewport()->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(field.viewport(), &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }

    void act(NumberField& field, const QString& step) {
        const QString what = step.mid(2);
        const auto at = [&](int part) {
            return cellPoint(field, what.section(u' ', part, part).toInt());
        };
        QWidget* view = field.viewport();
        switch (step[0].toLatin1()) {
        case 'k': {
            const QKeyCombination key = QKeySequence::fromString(what)[0];
            QTest::keyClick(&field, key.key(), key.keyboardModifiers());
            break;
        }
        case 't':
            QTest::keyClicks(&field, what);
            break;
        case 'c':
        case 's':
            QTest::mouseClick(view, Qt::LeftButton,
                              step[0] == u's' ? Qt::ShiftModifier : Qt::NoModifier, at(0));
            break;
        case 'd':
            QTest::mouseDClick(view, Qt::LeftButton, {}, at(0));
            break;
        case 'g':
            QTest::mousePress(view, Qt::LeftButton, {}, at(0));
            QTest::mouseMove(view, at(1));
            QTest::mouseRelease(view, Qt::LeftButton, {}, at(1));
            break;
        case 'p':
            QGuiApplication::clipboard()->setText(what);
            QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
            break;
        case 'm': {
            QMenu* menu = contextMenu(field);
            menu->findChild<QAction*>(what)->trigger();
            menu->close();
            break;
        }
        case 'G':
            field.goToDigit(what.toLongLong());
            break;
        case 'F':
        case 'B':
            field.findSequence(what, step[0] == u'F' ? window::SearchDirection::Forward
                                                     : window::SearchDirection::Backward);
            break;
        case 'f': {
            QTemporaryDir folder;
            QFile file(folder.filePath(QStringLiteral("nombre.txt")));
            QVERIFY(step.size() == 1 ||
                    (file.open(QIODevice::WriteOnly) && file.write(what.toUtf8()) > 0));
            file.close();
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(file.fileName())});
            drop(field, data);
            break;
        }
        }
    }
};

QTEST_MAIN(NumberFieldTest)
#include "number_field_test.moc"
