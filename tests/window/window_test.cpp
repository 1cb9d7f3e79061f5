// SPDX-License-Identifier: GPL-3.0-or-later
// The window as built: start-up values, keyboard, the
// handlers that work on the fields without the engine's arithmetic, the help
// menu, the link buttons and the About box. The browser is replaced by a
// handler that records the addresses it is given.
#include "window_fixture.h"

#include "window/control_table.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <algorithm>

class WindowTest : public WindowFixture {
    Q_OBJECT

public slots:
    void openInBrowser(const QUrl& url) { opened_ << url.toString(QUrl::FullyEncoded); }

private slots:
    void init() {
        WindowFixture::init();
        QDesktopServices::setUrlHandler("http", this, "openInBrowser");
        QDesktopServices::setUrlHandler("https", this, "openInBrowser");
        opened_.clear();
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }

    // The start-up values.
    void startsWithItsValues() {
        QCOMPARE(fields(), (QStringList{"3", "212", "0"}));
        QCOMPARE(window().findChild<QLineEdit*>("Text4")->text() +
                     QString::number(window().precision()),
                 "5050");
    }

    // Tab visits the controls in the order of the table's tab indexes; Enter
    // adds no line break to a number and presses a focused button; Ctrl+Q quits.
    void keyboard() {
        std::vector<window::ControlRow> rows(window::controlTable().begin(),
                                             window::controlTable().end());
        std::erase_if(rows, [](const auto& row) { return row.kind == window::ControlKind::Label; });
        std::ranges::sort(rows, {}, &window::ControlRow::tabIndex);
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        button("Quitter")->setFocus();
        for (std::size_t i = 1; i <= rows.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(),
                     QString(rows[i % rows.size()].name));
        }
        setField("Text1", "");
        QTest::keyClicks(field("Text1"), "12");
        QTest::keyClick(field("Text1"), Qt::Key_Enter, Qt::ShiftModifier);
        QTest::keyClicks(field("Text1"), "3\r");
        button("Command16")->setFocus();
        QTest::keyClick(button("Command16"), Qt::Key_Return);
        QCOMPARE(fields(), (QStringList{"123", "212", "0"}));
        QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!window().isVisible());
    }

    // The "C" buttons, the result into a, the digit count of the result (each
    // character counts one) and "Quitter".
    void fieldTools() {
        for (const auto& [name, after] :
             {std::pair{"Command13", QStringList{"0", "2", "-1.5 é"}},
              std::pair{"Command15", QStringList{"1", "0", "-1.5 é"}},
              std::pair{"Command16", QStringList{"1", "2", "0"}},
              std::pair{"Command12", QStringList{"-1.5 é", "2", "-1.5 é"}}}) {
            setField("Text1", "1");
            setField("Text2", "2");
            setField("Text3", QStringLiteral("-1.5 é"));
            click(name);
            QCOMPARE(fields(), after);
        }
        window().setWindowTitle("Titre du moment");
        const QList<SeenBox> seen = clickSeeing("Command10", 1);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, QStringLiteral("Nombre de chiffres du résultat: 6"));
        QCOMPARE(seen[0].title, QStringLiteral("Titre du moment"));
        click("Quitter");
        QVERIFY(!window().isVisible());
    }

    // Each help entry shows a text of its own under the current caption.
    void helpBoxes() {
        window().setWindowTitle(QStringLiteral("Nouveau titre"));
        QStringList texts;
        for (const char* entry : {"mnuInfo", "mnuAker", "mnuVer"}) {
            boxes().expectBox(QMessageBox::Ok);
            window().findChild<QAction*>(entry)->trigger();
            const QList<SeenBox> seen = boxes().takeSeen();
            QVERIFY(seen.size() == 1 && seen[0].title == "Nouveau titre");
            texts << seen[0].text;
        }
        texts.removeDuplicates();
        QCOMPARE(texts.size(), 3);
    }

    // Each link opens a page of its own, again at each click.
    void linksOpenTheirPages() {
        QStringList pages;
        for (const char* control : {"mnuHtml", "Command17", "Command7", "Command19", "Command11"}) {
            opened_.clear();
            for (int i = 0; i < 2; ++i) {
                auto* entry = window().findChild<QAction*>(control);
                entry != nullptr ? entry->trigger() : click(control);
            }
            QVERIFY2(opened_.size() == 2 && opened_[0] == opened_[1] &&
                         opened_[0].startsWith("http"),
                     control);
            pages << opened_[0];
        }
        pages.removeDuplicates();
        QCOMPARE(pages.size(), 5);
    }

    // Without a browser (offscreen has none), a box gives the address to copy.
    void linkWithoutBrowserGivesItsAddress() {
        QDesktopServices::unsetUrlHandler("http");
        Qt::TextInteractionFlags flags;
        boxes().expectBox(QMessageBox::Ok, [&] {
            flags = QApplication::activeModalWidget()
                        ->findChild<QLabel*>("qt_msgbox_label")
                        ->textInteractionFlags();
        });
        click("Command17");
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].text.contains("\n\nhttp"), qPrintable(seen[0].text));
        QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    }

    // Each showing builds a fresh box with the same texts; its links open
    // their pages and leave it open; "Fermer" closes it.
    void aboutShowsTheSameTextsEachTime() {
        QStringList shown;
        for (int i = 0; i < 2; ++i) {
            boxes().expectDialog([&](QWidget& about) {
                for (const char* name : {"lblHeading", "lblApplication", "lblCopyright"}) {
                    shown << about.findChild<QLabel*>(name)->text();
                }
                for (const char* name : {"Command1", "Command2", "Command4", "cmdOK"}) {
                    QVERIFY(about.isVisible());
                    QTest::mouseClick(about.findChild<QPushButton*>(name), Qt::LeftButton);
                }
            });
            window().findChild<QAction*>("mnuApropos")->trigger();
            const QList<SeenBox> seen = boxes().takeSeen(); // a second entry if it stayed open
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].title, QStringLiteral("À propos"));
        }
        QCOMPARE(shown.mid(0, 3), shown.mid(3));
        QVERIFY(!shown[0].isEmpty() && !shown[1].isEmpty());
        QCOMPARE(opened_.size(), 6);
        QCOMPARE(opened_.mid(0, 3), opened_.mid(3));
    }

private:
    QStringList fields() { return {fieldText("Text1"), fieldText("Text2"), fieldText("Text3")}; }
    QStringList opened_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
