// The help menu, the link buttons and the About box, reached from the window.
// The browser is replaced by a handler that records the addresses it is given.
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class HelpCommandsTest : public WindowFixture {
    Q_OBJECT

public slots:
    void openInBrowser(const QUrl& url) { opened_ << url.toString(QUrl::FullyEncoded); }

private slots:
    void initTestCase() {
        WindowFixture::initTestCase();
        QDesktopServices::setUrlHandler("http", this, "openInBrowser");
        QDesktopServices::setUrlHandler("https", this, "openInBrowser");
    }

    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
    }

    void helpBoxShowsItsTextUnderTheCurrentCaption_data() {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<int>("lineBreaks");    // CR LF pairs; no other CR or LF
        QTest::addColumn<QStringList>("parts"); // its start, a part inside, its end
        const auto row = [](const char* name, const char* entry, int lineBreaks, const char* start,
                            const char* inside, const char* end) {
            QTest::newRow(name) << entry << lineBreaks
                                << QStringList{QString::fromUtf8(start), QString::fromUtf8(inside),
                                               QString::fromUtf8(end)};
        };
        row("information", "mnuInfo", 5, "L'addition, la soustraction, la multiplication",
            "pour la factorielle de b (entier positif!), on ne pourra dépasser b = 9999",
            "(bouton 'Somme des chiffres du résultat puissance b').");
        row("Ackermann definition", "mnuAker", 4,
            "La fonction d'Akerman est une fonction récursive",
            ":\r\nA(0, b) = b + 1\r\nA(a, 0) = A(a-1, 1)\r\nA(a, b) = A(a-1, A(a, b-1)) pour a et "
            "b "
            "non nuls.\r\nCette fonction",
            "sinon vous aurez très vite le message de pile insuffisante.");
        row("version notes, empty first line", "mnuVer", 3,
            "\r\nLa version initiale 1.0 permettait",
            "très patient!\r\n\r\nEn vue d'éventuels calculs",
            "assorties d'un bouton 'C' d'initialisation à '0'.");
    }

    void helpBoxShowsItsTextUnderTheCurrentCaption() {
        QFETCH(QString, entry);
        QFETCH(int, lineBreaks);
        QFETCH(QStringList, parts);
        window().setWindowTitle(QStringLiteral("Nouveau titre"));
        boxes().expectBox(QMessageBox::Ok);
        choose(entry);
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("Nouveau titre"));
        QCOMPARE(seen[0].buttons, QStringList{"OK"});
        const QString& text = seen[0].text;
        QCOMPARE(text.count(QStringLiteral("\r\n")), lineBreaks);
        QCOMPARE(text.count(u'\r') + text.count(u'\n'), 2 * lineBreaks);
        QVERIFY2(text.startsWith(parts[0]), qPrintable(text));
        QVERIFY2(text.contains(parts[1]), qPrintable(text));
        QVERIFY2(text.endsWith(parts[2]), qPrintable(text));
    }

    void linkOpensItsPage_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("url");
        const auto row = [](const char* control, const char* url) {
            QTest::newRow(control) << control << url;
        };
        row("mnuHtml", "http://tormel.example.org/calcul.php");
        row("Command7", "http://tormel.example.org/mathfon/calcul.html");
        row("Command17", "http://tormel.example.org/index.php");
        row("Command19", "http://tormel.example.org/mathfon/rppdi.php");
        row("Command11", "https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann"); // quote kept
    }

    void linkOpensItsPage() {
        QFETCH(QString, control);
        QFETCH(QString, url);
        opened_.clear();
        // Twice: each click opens the page again.
        for (int i = 0; i < 2; ++i) {
            if (control.startsWith(QLatin1String("mnu"))) {
                choose(control);
            } else {
                click(control);
            }
        }
        QCOMPARE(opened_, QStringList({url, url}));
    }

    // Without a browser (offscreen has none), a box gives the address to copy.
    void linkWithoutBrowserGivesItsAddress() {
        cleanupTestCase();
        Qt::TextInteractionFlags flags;
        boxes().expectBox(QMessageBox::Ok, [&] {
            flags = QApplication::activeModalWidget()
                        ->findChild<QLabel*>("qt_msgbox_label")
                        ->textInteractionFlags();
        });
        click("Command17");
        initTestCase();
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].text.endsWith("\n\nhttp://tormel.example.org/index.php"),
                 qPrintable(seen[0].text));
        QVERIFY(flags.testFlag(Qt::TextSelectableByMouse));
    }

    // Each showing builds a fresh box: the texts are the same the second time and
    // no placeholder shows; the links open their pages and leave the box open, and
    // "Fermer" closes it.
    void aboutShowsTheSameTextsEachTime() {
        opened_.clear();
        QStringList shown;
        QList<bool> openAfterLinks;
        const auto handle = [&](QWidget& about) {
            for (const char* name : {"lblHeading", "lblApplication", "lblCopyright"}) {
                shown << about.findChild<QLabel*>(QString::fromUtf8(name))->text();
            }
            for (const char* name : {"Command1", "Command2", "Command4"}) {
                QTest::mouseClick(about.findChild<QPushButton*>(name), Qt::LeftButton);
            }
            openAfterLinks << about.isVisible();
            auto* fermer = about.findChild<QPushButton*>("cmdOK");
            if (fermer->text() == QStringLiteral("Fermer")) {
                QTest::mouseClick(fermer, Qt::LeftButton);
            }
        };
        for (int i = 0; i < 2; ++i) {
            boxes().expectDialog(handle);
            choose("mnuApropos");
            const QList<SeenBox> seen = boxes().takeSeen(); // a second entry if it stayed open
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].title, QStringLiteral("À propos"));
        }
        QCOMPARE(shown.size(), 6);
        QCOMPARE(shown.mid(3), shown.mid(0, 3));
        QVERIFY(shown[0].startsWith(QStringLiteral("CALCULATEUR POUR LES GRANDS NOMBRES")));
        QVERIFY(shown[1].startsWith(QStringLiteral("OPERATIONS ELEMENTAIRES")));
        QCOMPARE(shown[2], QString());
        QCOMPARE(openAfterLinks, (QList<bool>{true, true}));
        const QStringList pages{"http://tormel.example.org/mathfon/agreable.php",
                                "http://tormel.example.org/mathcalcul.php",
                                "http://tormel.example.org/mathfon/rppdi.php"};
        QCOMPARE(opened_, pages + pages);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

private:
    void choose(const QString& menuEntry) {
        auto* entry = window().findChild<QAction*>(menuEntry);
        QVERIFY2(entry != nullptr, qPrintable(menuEntry));
        entry->trigger();
    }
    QStringList opened_;
};

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
