// SPDX-License-Identifier: GPL-3.0-or-later
// The window as built: start-up values, painted colours, keyboard, the
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

    // The start-up values; colours as painted, not as asked for (a style may
    // turn a colour into a gradient).
    void startsAsDrawn() {
        QCOMPARE(fields(), (QStringList{"3", "212", "0"}));
        QCOMPARE(window().findChild<QLineEdit*>("Text4")->text() +
                     QString::number(window().precision()),
                 "5050");
        for (const auto& [name, colour] : {std::pair{"Command4", QColor(255, 255, 0)},
                                           std::pair{"Command19", QColor(192, 0, 0)}}) {
            const QImage image = button(name)->grab().toImage();
            QCOMPARE(image.pixelColor(4, 4), colour);
            QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), colour);
        }
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

    // Each help entry shows its own text under the current caption.
    void helpBoxes() {
        window().setWindowTitle(QStringLiteral("Nouveau titre"));
        for (const auto& [entry, part] : {std::pair{"mnuInfo", "La précision par défaut"},
                                          std::pair{"mnuAker", "A(0, b) = b + 1"},
                                          std::pair{"mnuVer", "de très grands nombres"}}) {
            boxes().expectBox(QMessageBox::Ok);
            window().findChild<QAction*>(entry)->trigger();
            const QList<SeenBox> seen = boxes().takeSeen();
            QVERIFY(seen.size() == 1 && seen[0].title == "Nouveau titre");
            QVERIFY2(seen[0].text.contains(QString::fromUtf8(part)), entry);
        }
    }

    // Each click opens its page again.
    void linksOpenTheirPages() {
        // clang-format off
        const std::pair<const char*, const char*> links[] = {
            {"mnuHtml", "http://tormel.example.org/calcul.php"}, {"Command17", "http://tormel.example.org/index.php"},
            {"Command7", "http://tormel.example.org/mathfon/calcul.html"},
            {"Command19", "http://tormel.example.org/mathfon/rppdi.php"},
            {"Command11", "https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann"}};
        // clang-format on
        for (const auto& [control, url] : links) {
            opened_.clear();
            for (int i = 0; i < 2; ++i) {
                auto* entry = window().findChild<QAction*>(control);
                entry != nullptr ? entry->trigger() : click(control);
            }
            QCOMPARE(opened_, QStringList({url, url}));
        }
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
        QVERIFY2(seen[0].text.endsWith("\n\nhttp://tormel.example.org/index.php"),
                 qPrintable(seen[0].text));
        QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    }

    // Each showing builds a fresh box: the same texts the second time and no
    // placeholder; its links open their pages and leave it open; "Fermer" closes it.
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
        const QStringList texts{"CALCULATEUR POUR LES GRANDS NOMBRES (TALVERO)",
                                "OPERATIONS ELEMENTAIRES (+, -, *, /, puissance, factorielle)", ""};
        QCOMPARE(shown, texts + texts);
        const QStringList pages{"http://tormel.example.org/mathfon/agreable.php",
                                "http://tormel.example.org/mathcalcul.php",
                                "http://tormel.example.org/mathfon/rppdi.php"};
        QCOMPARE(opened_, pages + pages);
    }

private:
    QStringList fields() { return {fieldText("Text1"), fieldText("Text2"), fieldText("Text3")}; }
    QStringList opened_;
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
