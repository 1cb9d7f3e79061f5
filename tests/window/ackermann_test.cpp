// The Ackermann and digit-power-sum buttons on the real window.
#include "window_fixture.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QScreen>
#include <QtTest>

class AckermannTest : public WindowFixture {
    Q_OBJECT

private slots:
    void valueIsShownThenWritten_data();
    void valueIsShownThenWritten();
    void hugeValueBoxFitsTheScreen();
    void refusedOrFailed_data();
    void refusedOrFailed();
    void digitPowerSum_data();
    void digitPowerSum();

private:
    // Fills a, b and the result field, then clicks Ackerman(a,b).
    void ackermann(const QString& a, const QString& b);
};

void AckermannTest::ackermann(const QString& a, const QString& b) {
    setField("Text1", a);
    setField("Text2", b);
    setField("Text3", "777");
    click("Command9");
}

void AckermannTest::valueIsShownThenWritten_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("shown"); // the recursion, from a = 5 on, shows no box
    const auto row = [](const char* a, const char* b, const char* value, bool shown) {
        QTest::addRow("A(%s, %s)", a, b) << a << b << value << shown;
    };
    row("0", "0", "1", true);
    row("2", "3", "9", true);
    row("3", "5", "253", true);
    row("4", "1", "65533", true);
    row("5", "00", "65533", false);
}

void AckermannTest::valueIsShownThenWritten() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, value);
    QFETCH(bool, shown);
    window().setWindowTitle(QStringLiteral("Titre du moment"));
    QString resultWhileShown;
    if (shown) {
        boxes().expectBox(QMessageBox::Ok, [&] { resultWhileShown = fieldText("Text3"); });
    }
    ackermann(a, b);
    QCOMPARE(fieldText("Text3"), value);
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), shown ? 1 : 0);
    if (shown) {
        QCOMPARE(seen[0].text, "Ackerman(a, b) = " + value);
        QCOMPARE(seen[0].title, QStringLiteral("Titre du moment"));
        QCOMPARE(seen[0].buttons, QStringList{"OK"});
        QCOMPARE(resultWhileShown, QStringLiteral("777"));
    }
}

void AckermannTest::hugeValueBoxFitsTheScreen() {
    // The whole value can be read in the box, by scrolling.
    QString readable;
    boxes().expectBox(QMessageBox::Ok, [&] {
        for (const auto* view :
             QApplication::activeModalWidget()->findChildren<QPlainTextEdit*>()) {
            if (view->isVisible()) {
                readable += view->toPlainText();
            }
        }
    });
    ackermann("4", "2");
    const QString value = fieldText("Text3");
    QCOMPARE(value.size(), 19729);
    QVERIFY(value.endsWith(QStringLiteral("733")));
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].text, "Ackerman(a, b) = " + value);
    QCOMPARE(readable, seen[0].text);
    const QRect screen = window().screen()->availableGeometry();
    QVERIFY2(screen.contains(QRect(QPoint(), seen[0].frame.size())),
             qPrintable(
                 QStringLiteral("%1 x %2").arg(seen[0].frame.width()).arg(seen[0].frame.height())));
}

void AckermannTest::refusedOrFailed_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("message"); // empty: refused in the result field, no box
    const auto row = [](const char* a, const char* b, const char* message) {
        QTest::addRow("A(%s, %s)", a, b) << a << b << QString::fromUtf8(message);
    };
    row("1.5", "2", "");
    row("2", "-1", "");
    row(" -1", "2", "");
    row("5", "1", "La valeur de Ackerman(a, b) est bien trop grande");
    row("4", "3", "La valeur de Ackerman(a, b) est bien trop grande");
    row("99999999999", "1", "L'opérande a doit être un nombre entier de 0 à 2147483647.");
    row("2", "1y", "L'opérande b contient le caractère « y » en position 2");
}

void AckermannTest::refusedOrFailed() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, message);
    if (!message.isEmpty()) {
        boxes().expectBox(QMessageBox::Ok);
    }
    ackermann(a, b);
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty()) {
        QCOMPARE(fieldText("Text3"), QStringLiteral("Opération interdite"));
        return;
    }
    QVERIFY2(seen[0].text.contains(message), qPrintable(seen[0].text));
    QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
}

void AckermannTest::digitPowerSum_data() {
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("message"); // empty: no box
    const auto row = [](const char* name, const char* result, const char* b, const char* sum,
                        const char* message) {
        QTest::newRow(name) << result << b << sum << QString::fromUtf8(message);
    };
    row("153, cubes", "153", "3", "153", "");
    row("370, cubes", "370", "3", "370", "");
    row("9474, fourth powers", "9474", "4", "9474", "");
    row("zero whatever b", "0", "x", "0", "");
    row("negative result", "-153", "3", "-153",
        "Le résultat contient un signe « - » en position 1, où seul un chiffre peut figurer.");
    row("b not an integer", "153", "trois", "153",
        "L'opérande b doit être un nombre entier de 0 à 2147483647.");
    row("power too large", "9", "200000000", "9",
        "Cette puissance aurait plus de 100 millions de chiffres");
}

void AckermannTest::digitPowerSum() {
    QFETCH(QString, result);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    QFETCH(QString, message);
    setField("Text2", b);
    setField("Text3", result);
    if (!message.isEmpty()) {
        boxes().expectBox(QMessageBox::Ok);
    }
    click("Command18");
    QCOMPARE(fieldText("Text3"), sum);
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        QVERIFY2(seen[0].text.contains(message), qPrintable(seen[0].text));
    }
}

QTEST_MAIN(AckermannTest)
#include "ackermann_test.moc"
