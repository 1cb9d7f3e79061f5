// SPDX-License-Identifier: GPL-3.0-or-later
// The window's reading aids on long numbers: the status bar's figures, the
// "Affichage" menu and its remembered settings, the go-to dialog, the find
// bar, and the scroll bars of the number fields.
#include "window_fixture.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QStyleOptionSlider>
#include <QtTest>

namespace {

// The rectangle of `part` of a vertical scroll bar, as its style places it.
QRect scrollBarPart(const QScrollBar& bar, QStyle::SubControl part) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = Qt::Vertical;
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
}

} // namespace

class ReadingTest : public WindowFixture {
    Q_OBJECT

private slots:
    // The figures of the result field, the visible labels joined by " | ".
    void statusBar_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qsizetype>("anchor");
        QTest::addColumn<qsizetype>("caret");
        QTest::addColumn<QString>("figures");
        const QString twenty = "24508" + QString(19'999'995, u'0');
        // clang-format off
        QTest::newRow("empty") << "" << 0LL << 0LL << "0 chiffre";
        QTest::newRow("5 digits") << "12345" << 0LL << 0LL << "5 chiffres | chiffre n° 1";
        QTest::newRow("15 digits, caret at the end") << "123456789012345" << 15LL << 15LL << "15 chiffres | chiffre n° 15";
        QTest::newRow("16 digits") << "1234567890123456" << 3LL << 3LL << "16 chiffres | chiffre n° 4 | ≈ 1,234 5 × 10^15";
        QTest::newRow("sign, point, selection") << "-98765432109876543.21" << 1LL << 4LL << "19 chiffres | chiffre n° 4 | 3 chiffres sélectionnés | ≈ -9,876 5 × 10^16";
        QTest::newRow("0.000x") << "0.0000123456789012345" << 9LL << 8LL << "20 chiffres | chiffre n° 8 | 1 chiffre sélectionné | ≈ 1,234 5 × 10^-5";
        QTest::newRow("short mantissa") << "-0.000000000000000012" << 0LL << 0LL << "19 chiffres | chiffre n° 1 | ≈ -1,200 0 × 10^-17";
        QTest::newRow("zero") << "-0.000000000000000000" << 0LL << 0LL << "19 chiffres | chiffre n° 1";
        QTest::newRow("not a number") << "12a45" << 3LL << 3LL << "4 chiffres | chiffre n° 3";
        QTest::newRow("20 million") << twenty << 0LL << 9'999'999LL << "20 000 000 chiffres | chiffre n° 10 000 000 | 9 999 999 chiffres sélectionnés | ≈ 2,450 8 × 10^19 999 999";
        // clang-format on
    }

    void statusBar() {
        QFETCH(QString, text);
        QFETCH(qsizetype, anchor);
        QFETCH(qsizetype, caret);
        QFETCH(QString, figures);
        focusResult();
        setField("Text3", text);
        field("Text3")->setSelection(anchor, caret);
        QCOMPARE(shownFigures(), figures);
    }

    // The bar shows the field that has the focus, the result field when a
    // button has it; the window grows by the bar's height and no control
    // moves; a screen reader reads each figure.
    void statusBarFollowsTheFocus() {
        auto* client = window().findChild<QWidget*>("client");
        QCOMPARE(client->pos(), QPoint(0, window().menuBar()->height()));
        QCOMPARE(window().height(),
                 window().menuBar()->height() + client->height() + window().statusBar()->height());
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        setField("Text1", "-123");
        field("Text1")->setFocus();
        QCOMPARE(shownFigures(), "3 chiffres | chiffre n° 1");
        QTest::keyClick(field("Text1"), Qt::Key_End);
        QCOMPARE(shownFigures(), "3 chiffres | chiffre n° 3");
        button("Command13")->setFocus();
        QCOMPARE(shownFigures(), "1 chiffre | chiffre n° 1");
        auto* label = window().statusBar()->findChild<QLabel*>("lblChiffres");
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
        QCOMPARE(reader->text(QAccessible::Name), "1 chiffre");
        QVERIFY(!reader->text(QAccessible::Description).isEmpty());
    }

    // Grouping is on, by 3, at first; the menu's choices regroup the fields
    // and are there again in the next window.
    void displayMenuIsRemembered() {
        const auto grouping = [this] {
            return QList<int>({field("Text1")->digitGrouping(), field("Text2")->digitGrouping(),
                               field("Text3")->digitGrouping()});
        };
        QCOMPARE(grouping(), QList<int>({3, 3, 3}));
        auto* menu = window().findChild<QMenu*>("mnuAffichage");
        QCOMPARE(menu->title(), "&Affichage");
        QCOMPARE(window().menuBar()->actions().front(), menu->menuAction());
        window().findChild<QAction*>("mnuGroupe10")->trigger();
        QCOMPARE(grouping(), QList<int>({10, 10, 10}));
        window().findChild<QAction*>("mnuGrouperChiffres")->trigger();
        QCOMPARE(grouping(), QList<int>({0, 0, 0}));
        MainWindow next;
        auto* result = next.findChild<window::NumberField*>("Text3");
        QCOMPARE(result->digitGrouping(), 0);
        QVERIFY(!next.findChild<QAction*>("mnuGrouperChiffres")->isChecked());
        next.findChild<QAction*>("mnuGrouperChiffres")->trigger();
        QCOMPARE(result->digitGrouping(), 10);
        QVERIFY(next.findChild<QAction*>("mnuGroupe10")->isChecked());
    }

    // A number out of range or not a number is answered in the dialog, which
    // stays open; a good one selects the digit.
    void goToDigit() {
        focusResult();
        setField("Text3", "-12 345");
        QStringList messages;
        boxes().expectDialog([&](QWidget& dialog) {
            QCOMPARE(dialog.accessibleName(), "Aller au chiffre");
            auto* number = dialog.findChild<QLineEdit*>("txtNumeroChiffre");
            QCOMPARE(number->accessibleName(), "Numéro du chiffre");
            for (const char* typed : {"6", "abc", "0", " 4 "}) {
                number->setText(typed);
                QTest::keyClick(number, Qt::Key_Return);
                messages << (dialog.isVisible() ? dialog.findChild<QLabel*>("lblMessage")->text()
                                                : QStringLiteral("fermé"));
            }
        });
        window().findChild<QAction*>("mnuAllerAuChiffre")->trigger();
        QCOMPARE(messages,
                 QStringList({"Ce champ n'a pas de chiffre n° 6 : ses chiffres vont de 1 à 5.",
                              "Tapez un nombre entier de 1 à 5.",
                              "Ce champ n'a pas de chiffre n° 0 : ses chiffres vont de 1 à 5.",
                              "fermé"}));
        QCOMPARE(field("Text3")->selectedText(), "4");
        QCOMPARE(field("Text3")->caretPosition(), 5);
    }

    // The find bar says which occurrence it found, and when it went on from
    // the other end; Escape closes it and the window gets its height back.
    void findBar() {
        setField("Text3", "1210012.12");
        const int height = window().height();
        focusResult();
        QTest::keyClick(field("Text3"), Qt::Key_F, Qt::ControlModifier);
        auto* sequence = window().findChild<QLineEdit*>("txtRecherche");
        QCOMPARE(QApplication::focusWidget(), sequence);
        QCOMPARE(sequence->accessibleName(), "Chiffres à rechercher");
        auto* result = window().findChild<QLabel*>("lblOccurrence");
        QStringList said;
        const auto press = [&](const char* typed, QKeyCombination key) {
            if (typed != nullptr) {
                sequence->setText(typed);
            }
            QTest::keyClick(sequence, key.key(), key.keyboardModifiers());
            QTRY_VERIFY(!result->text().startsWith("Occurrence trouvée"));
            said << result->text();
        };
        press("1 2", Qt::Key_Return);
        press(nullptr, Qt::Key_F3);
        press(nullptr, Qt::Key_F3);
        press(nullptr, Qt::Key_F3);
        press(nullptr, Qt::SHIFT | Qt::Key_F3);
        press("77", Qt::Key_Return);
        press("1.2", Qt::Key_Return);
        QCOMPARE(said, QStringList({"1re occurrence sur 3", "2e occurrence sur 3",
                                    "3e occurrence sur 3", "1re occurrence sur 3, reprise au début",
                                    "3e occurrence sur 3, reprise à la fin", "Introuvable",
                                    "Tapez des chiffres seulement."}));
        QCOMPARE(field("Text3")->selectedText(), "12");
        QCOMPARE(field("Text3")->caretPosition(), 8);
        QTest::keyClick(sequence, Qt::Key_Escape);
        QTRY_COMPARE(window().height(), height);
        QCOMPARE(QApplication::focusWidget(), field("Text3"));
    }

    // In each field of a long number the thumb takes at most half its groove;
    // dragged to the groove's middle, it shows the middle rows.
    void scrollBarDrag() {
        const QString digits = QStringLiteral("1234567890").repeated(200'000);
        for (const char* name : {"Text1", "Text2", "Text3"}) {
            setField(name, digits);
            QScrollBar* bar = field(name)->verticalScrollBar();
            const QRect groove = scrollBarPart(*bar, QStyle::SC_ScrollBarGroove);
            const QRect thumb = scrollBarPart(*bar, QStyle::SC_ScrollBarSlider);
            QVERIFY2(thumb.height() <= groove.height() / 2, name);
            QTest::mousePress(bar, Qt::LeftButton, {}, thumb.center());
            QTest::mouseMove(bar, QPoint(thumb.center().x(), groove.center().y()));
            QTest::mouseRelease(bar, Qt::LeftButton, {},
                                QPoint(thumb.center().x(), groove.center().y()));
            const qsizetype rowsAPixel = bar->maximum() / (groove.height() - thumb.height()) + 1;
            const qsizetype middle = bar->value() + bar->pageStep() / 2;
            QVERIFY2(std::abs(middle - (bar->maximum() + bar->pageStep()) / 2) <= rowsAPixel,
                     qPrintable(
                         QStringLiteral("%1: %2 of %3").arg(name).arg(middle).arg(bar->maximum())));
        }
    }

private:
    void focusResult() {
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        field("Text3")->setFocus();
    }

    QString shownFigures() {
        QStringList shown;
        for (const char* name :
             {"lblChiffres", "lblPosition", "lblSelection", "lblOrdreDeGrandeur"}) {
            auto* label = window().statusBar()->findChild<QLabel*>(name);
            if (!label->isHidden()) {
                shown << label->text();
            }
        }
        return shown.join(" | ");
    }
};

QTEST_MAIN(ReadingTest)
#include "reading_test.moc"
