// The help menu, the link buttons and the About box, reached from the window.
#include "window_fixture.h"

#include "window/help_texts.h"

#include <QAction>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

class HelpCommandsTest : public WindowFixture {
    Q_OBJECT

public slots:
    // Stands in for the system's browser.
    void openInBrowser(const QUrl& url) { opened_ << url.toString(QUrl::FullyEncoded); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void helpBoxCarriesTheCurrentCaption_data();
    void helpBoxCarriesTheCurrentCaption();
    void linkOpensItsPage_data();
    void linkOpensItsPage();
    void aboutShowsTheSameTextsEachTime();

private:
    void choose(const char* menuEntry);
    QStringList opened_;
};

void HelpCommandsTest::initTestCase() {
    WindowFixture::initTestCase();
    QDesktopServices::setUrlHandler("http", this, "openInBrowser");
    QDesktopServices::setUrlHandler("https", this, "openInBrowser");
}

void HelpCommandsTest::cleanupTestCase() {
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
}

void HelpCommandsTest::choose(const char* menuEntry) {
    auto* entry = window().findChild<QAction*>(QString::fromUtf8(menuEntry));
    QVERIFY2(entry != nullptr, menuEntry);
    entry->trigger();
}

void HelpCommandsTest::helpBoxCarriesTheCurrentCaption_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("text");
    QTest::newRow("information") << "mnuInfo" << window::informationText();
    QTest::newRow("Ackermann definition") << "mnuAker" << window::ackermannDefinitionText();
    QTest::newRow("version notes") << "mnuVer" << window::versionNotesText();
}

void HelpCommandsTest::helpBoxCarriesTheCurrentCaption() {
    QFETCH(QString, entry);
    QFETCH(QString, text);
    for (const QString& caption : {window().windowTitle(), QStringLiteral("Nouveau titre")}) {
        window().setWindowTitle(caption);
        boxes().expectBox(QMessageBox::Ok);
        choose(entry.toUtf8().constData());
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, caption);
        QCOMPARE(seen[0].text, text);
        QCOMPARE(seen[0].buttons, QStringList{"OK"});
        QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    }
}

void HelpCommandsTest::linkOpensItsPage_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("url");
    QTest::newRow("user guide") << "mnuHtml"
                                << "http://tormel.example.org/calcul.php";
    QTest::newRow("PHP calculator") << "Command7"
                                    << "http://tormel.example.org/mathfon/calcul.html";
    QTest::newRow("home page") << "Command17"
                               << "http://tormel.example.org/index.php";
    QTest::newRow("r-narcissistic numbers") << "Command19"
                                            << "http://tormel.example.org/mathfon/rppdi.php";
    QTest::newRow("Ackermann") << "Command11"
                               << "https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann";
}

void HelpCommandsTest::linkOpensItsPage() {
    QFETCH(QString, control);
    QFETCH(QString, url);
    opened_.clear();
    for (const char* field : {"Text1", "Text2", "Text3"}) {
        setField(field, "12");
    }
    // Twice: each click opens the page again.
    for (int i = 0; i < 2; ++i) {
        if (control.startsWith(QLatin1String("mnu"))) {
            choose(control.toUtf8().constData());
        } else {
            click(control.toUtf8().constData());
        }
    }
    QCOMPARE(opened_, QStringList({url, url}));
    for (const char* field : {"Text1", "Text2", "Text3"}) {
        QCOMPARE(fieldText(field), QStringLiteral("12"));
    }
}

void HelpCommandsTest::aboutShowsTheSameTextsEachTime() {
    opened_.clear();
    QStringList shown;
    bool openAfterLink = false;
    const auto handle = [&](QWidget& about) {
        for (const char* name : {"lblHeading", "lblApplication", "lblCopyright"}) {
            shown << about.findChild<QLabel*>(QString::fromUtf8(name))->text();
        }
        QTest::mouseClick(about.findChild<QPushButton*>("Command2"), Qt::LeftButton);
        openAfterLink = about.isVisible();
        QTest::mouseClick(about.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    };
    for (int i = 0; i < 2; ++i) {
        boxes().expectDialog(handle);
        choose("mnuApropos");
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("À propos"));
        QVERIFY(openAfterLink);
    }
    const QStringList texts{QStringLiteral("CALCULATEUR POUR LES GRANDS NOMBRES (TALVERO)"),
                            QStringLiteral("OPERATIONS ELEMENTAIRES (+, -, *, /, puissance, "
                                           "factorielle)"),
                            QString()};
    QCOMPARE(shown, texts + texts);
    const QString page = QStringLiteral("http://tormel.example.org/mathcalcul.php");
    QCOMPARE(opened_, QStringList({page, page}));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
}

QTEST_MAIN(HelpCommandsTest)
#include "help_commands_test.moc"
