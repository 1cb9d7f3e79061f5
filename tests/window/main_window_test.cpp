// The window as built: start-up values, controls, menu, keyboard order, and
// the handlers that work on the fields without the engine's arithmetic.
#include "window_fixture.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString Caption = QStringLiteral(
    "Calculateur pour les grands nombres  (Pelnor)  2006-2007   Version TALVERO 1.1");
}

class MainWindowTest : public WindowFixture {
    Q_OBJECT

public slots:
    // Stands in for the system's browser.
    void openInBrowser(const QUrl& url) { opened_ << url.toString(QUrl::FullyEncoded); }

private:
    QStringList opened_;

private slots:
    void startsWithItsDefaultValues();
    void controlsAreDrawnAsDesigned_data();
    void controlsAreDrawnAsDesigned();
    void tabKeyFollowsTheDesignedOrder();
    void resetButtonClearsOnlyItsField_data();
    void resetButtonClearsOnlyItsField();
    void resultGoesIntoA();
    void digitCountCountsEveryCharacter_data();
    void digitCountCountsEveryCharacter();
    void precisionFollowsTheTypedText_data();
    void precisionFollowsTheTypedText();
    void yesNoBoxIsFrenchWithYesFirst();
    void textLinesAreAppendedNeverTruncated();
    void webPagesGoToTheBrowserUnchanged();
    void quitCloses();
};

void MainWindowTest::startsWithItsDefaultValues() {
    QCOMPARE(window().windowTitle(), Caption);
    QCOMPARE(fieldText("Text1"), QStringLiteral("3"));
    QCOMPARE(fieldText("Text2"), QStringLiteral("212"));
    QCOMPARE(fieldText("Text3"), QStringLiteral("0"));
    QCOMPARE(window().findChild<QLineEdit*>("Text4")->text(), QStringLiteral("50"));
    QCOMPARE(window().precision(), 50);
    QCOMPARE(window().centralWidget()->size(), QSize(598, 347));
}

void MainWindowTest::controlsAreDrawnAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour"); // invalid: the system's button colour

    QTest::newRow("a label") << "Label1"
                             << "        a :" << QRect(32, 0, 41, 49) << 9.75 << false << QColor();
    QTest::newRow("yellow") << "Command4"
                            << "a / b" << QRect(256, 104, 57, 41) << 9.75 << false
                            << QColor(255, 255, 0);
    QTest::newRow("magenta") << "Command17"
                             << "Vers le site TORMEL" << QRect(0, 232, 65, 49) << 8.25 << false
                             << QColor(255, 0, 255);
    QTest::newRow("dark red") << "Command19"
                              << "Les nombres r-narcissiques parfaits" << QRect(424, 288, 137, 57)
                              << 8.25 << false << QColor(192, 0, 0);
    QTest::newRow("italic") << "Quitter"
                            << "&Quitter" << QRect(480, 232, 73, 33) << 9.75 << true << QColor();
    QTest::newRow("long label")
        << "Label5"
        << "Précision pour la division  (50 chiffres par défaut; augmenter si l'on veut)"
        << QRect(8, 296, 177, 49) << 9.75 << false << QColor();
}

void MainWindowTest::controlsAreDrawnAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QRect, geometry);
    QFETCH(double, points);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);

    auto* control = window().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const auto* label = qobject_cast<QLabel*>(control);
    const auto* button = qobject_cast<QPushButton*>(control);
    QCOMPARE(label != nullptr ? label->text() : button->text(), caption);
    QCOMPARE(control->geometry(), geometry);
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(control->font().bold());
    QCOMPARE(control->font().italic(), italic);
    if (colour.isValid()) {
        // What is painted, not what is asked for: a style may turn a colour
        // into a gradient.
        const QImage image = control->grab().toImage();
        QCOMPARE(image.pixelColor(4, 4), colour);
        QCOMPARE(image.pixelColor(image.width() - 5, image.height() - 5), colour);
    }
}

void MainWindowTest::tabKeyFollowsTheDesignedOrder() {
    const QStringList order{"Quitter",   "Command14", "Command17", "Command1",  "Command2",
                            "Command3",  "Command4",  "Command5",  "Command6",  "Command7",
                            "Command9",  "Command10", "Text4",     "Command12", "Command8",
                            "Command11", "Text3",     "Text1",     "Text2",     "Command13",
                            "Command15", "Command16", "Command18", "Command19", "Quitter"};
    QApplication::setActiveWindow(&window());
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    button("Quitter")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);
}

void MainWindowTest::resetButtonClearsOnlyItsField_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("cleared");
    QTest::newRow("a") << "Command13"
                       << "Text1";
    QTest::newRow("b") << "Command15"
                       << "Text2";
    QTest::newRow("result") << "Command16"
                            << "Text3";
}

void MainWindowTest::resetButtonClearsOnlyItsField() {
    QFETCH(QString, button);
    QFETCH(QString, cleared);
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        setField(name, "-7.5");
    }
    click(button.toUtf8().constData());
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        QCOMPARE(fieldText(name), QString::fromUtf8(name) == cleared ? "0" : "-7.5");
    }
}

void MainWindowTest::resultGoesIntoA() {
    setField("Text3", "-.5x");
    click("Command12");
    QCOMPARE(fieldText("Text1"), QStringLiteral("-.5x"));
    QCOMPARE(fieldText("Text3"), QStringLiteral("-.5x"));
}

void MainWindowTest::digitCountCountsEveryCharacter_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("count");
    QTest::newRow("sign") << "-1234" << 5;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("point and blank") << "1.5 0" << 5;
    QTest::newRow("accented, one character each") << "éé" << 2;
    QTest::newRow("long") << QString(123456, u'7') << 123456;
}

void MainWindowTest::digitCountCountsEveryCharacter() {
    QFETCH(QString, result);
    QFETCH(int, count);
    setField("Text3", result);
    window().setWindowTitle("Titre du moment");
    boxes().expectBox(QMessageBox::Ok);
    click("Command10");
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, "Nombre de chiffres du résultat: " + QString::number(count));
    QCOMPARE(seen[0].title, QStringLiteral("Titre du moment"));
    QCOMPARE(seen[0].buttons, QStringList{"OK"});
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    QCOMPARE(fieldText("Text3"), result);
}

void MainWindowTest::precisionFollowsTheTypedText_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("precision");
    QTest::newRow("larger") << "120" << 120;
    QTest::newRow("negative") << "-5" << -5;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("emptied") << "" << 50;
    QTest::newRow("letters keep the last value") << "7x" << 7;
    QTest::newRow("beyond 32 bits keeps the last value") << "99999999999" << 999999999;
}

void MainWindowTest::precisionFollowsTheTypedText() {
    QFETCH(QString, typed);
    QFETCH(int, precision);
    auto* text4 = window().findChild<QLineEdit*>("Text4");
    text4->selectAll();
    QTest::keyClick(text4, Qt::Key_Backspace);
    QTest::keyClicks(text4, typed);
    QCOMPARE(text4->text(), typed);
    QCOMPARE(window().precision(), precision);
}

void MainWindowTest::yesNoBoxIsFrenchWithYesFirst() {
    boxes().expectBox(QMessageBox::No);
    boxes().expectBox(QMessageBox::Yes);
    QCOMPARE(window().showMessage("Enregistrer ?", window::Buttons::YesNo, "T"),
             window::Answer::No);
    QCOMPARE(window().showMessage("Enregistrer ?", window::Buttons::YesNo, "T"),
             window::Answer::Yes);
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen[0].defaultButton, QStringLiteral("&Oui"));
    QVERIFY(seen[0].buttons.contains("&Non"));
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
}

void MainWindowTest::textLinesAreAppendedNeverTruncated() {
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    window().setProgramFolder(folder.path());
    QCOMPARE(window().programFolder(), folder.path());
    const QString path = folder.filePath("resultat.txt");
    QVERIFY(!window().writeTextLine(path, "123"));
    QVERIFY(!window().writeTextLine(path, "-4.5"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("123\r\n-4.5\r\n"));
    // A folder cannot be written as a file: the failure is reported.
    QVERIFY(window().writeTextLine(folder.path(), "1"));
}

void MainWindowTest::webPagesGoToTheBrowserUnchanged() {
    QDesktopServices::setUrlHandler("http", this, "openInBrowser");
    QDesktopServices::setUrlHandler("https", this, "openInBrowser");
    const QStringList pages{"https://fr.wikipedia.org/wiki/Fonction_d%27Ackermann",
                            "http://example.org/calcul/index.php?a=1&b=2"};
    for (const QString& page : pages) {
        window().openWebPage(page);
    }
    QDesktopServices::unsetUrlHandler("http");
    QDesktopServices::unsetUrlHandler("https");
    QCOMPARE(opened_, pages);
}

void MainWindowTest::quitCloses() {
    click("Quitter");
    QVERIFY(!window().isVisible());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
