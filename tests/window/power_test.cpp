// The power, factorial and date-and-time buttons on the real window.
#include "window_fixture.h"

#include "window/duration_text.h"

#include <QRegularExpression>
#include <QtTest>

#include <gmpxx.h>

namespace {

// The timestamp texts of every second from `from` to `to`.
QStringList timestampsBetween(const QDateTime& from, const QDateTime& to) {
    QStringList texts;
    for (QDateTime t = from.addMSecs(-from.time().msec()); t <= to; t = t.addSecs(1)) {
        texts << window::timestampText(t);
    }
    return texts;
}

const QString Started = QStringLiteral("Début du calcul: ");

} // namespace

class PowerTest : public WindowFixture {
    Q_OBJECT

private slots:
    void power_data();
    void power();
    void factorialIsTimed_data();
    void factorialIsTimed();
    void refusedOrFailed_data();
    void refusedOrFailed();
    void dateAndTimeIsTitledWithTheCaption();
};

void PowerTest::power_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");
    const auto row = [](const char* name, const char* a, const char* b, const char* result) {
        QTest::newRow(name) << a << b << result;
    };
    row("2^10", "2", "10", "1024");
    row("exponent 1 keeps a as typed", "007", "1", "007");
    row("exponent 0", "12", "0", "1");
}

void PowerTest::power() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, result);
    setField("Text1", a);
    setField("Text2", b);
    click("Command5");
    QCOMPARE(fieldText("Text3"), result);
}

void PowerTest::factorialIsTimed_data() {
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("result");
    mpz_class factorial9999;
    mpz_fac_ui(factorial9999.get_mpz_t(), 9999);
    QTest::newRow("0") << "0"
                       << "1";
    QTest::newRow("5") << "5"
                       << "120";
    QTest::newRow("9999, from GMP") << "9999" << QString::fromStdString(factorial9999.get_str());
    for (const QString& b :
         {QStringLiteral("10000"), QStringLiteral("00005"), QString(40000, u'1')}) {
        QTest::addRow("%d characters", int(b.size())) << b << "b est trop grand";
    }
}

void PowerTest::factorialIsTimed() {
    QFETCH(QString, b);
    QFETCH(QString, result);
    setField("Text1", "-2.5"); // a plays no part
    setField("Text2", b);
    boxes().expectBox(QMessageBox::Ok);
    const QDateTime before = QDateTime::currentDateTime();
    click("Command6");
    const QDateTime after = QDateTime::currentDateTime();
    QCOMPARE(fieldText("Text3"), result);

    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 1);
    // Titled with the moment the computation started.
    QVERIFY2(seen[0].title.startsWith(Started), qPrintable(seen[0].title));
    QVERIFY(timestampsBetween(before, after).contains(seen[0].title.mid(Started.size())));
    const qint64 seconds = before.secsTo(after) + 1;
    const QRegularExpression duration(QStringLiteral("^Temps de calcul:    [0-%1] Seconde\\(s\\)$")
                                          .arg(std::min<qint64>(seconds, 9)));
    QVERIFY2(duration.match(seen[0].text).hasMatch(), qPrintable(seen[0].text));
    QCOMPARE(seen[0].buttons, QStringList{"OK"});
}

void PowerTest::refusedOrFailed_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("message"); // empty: refused in the result field, no box
    const auto row = [](const char* name, const char* button, const char* a, const char* b,
                        const char* message) {
        QTest::newRow(name) << button << a << b << QString::fromUtf8(message);
    };
    row("power, negative a", "Command5", "-2", "3", "");
    row("power, decimal b", "Command5", "2", "2.0", "");
    row("power, blank before the sign of b", "Command5", "2", " -5", "");
    row("power, tab before the sign of a", "Command5", "\t-2", "2", "");
    row("factorial, decimal b", "Command6", "1", "4.0", "");
    row("factorial, blank before the sign", "Command6", "1", " -5", "");

    const char* range = "L'opérande b doit être un nombre entier de 0 à 2147483647.";
    row("power, letters in b", "Command5", "2", "x3", range);
    row("power, b beyond 32 bits", "Command5", "2", "99999999999", range);
    row("power, letter in a", "Command5", "12a", "2",
        "L'opérande a contient le caractère « a » en position 3, qui n'est pas un chiffre.");
    row("power too large for memory", "Command5", "10", "200000000",
        "Cette puissance aurait plus de 100 millions de chiffres");
    row("factorial, letters in b", "Command6", "1", "abc", range);
    row("factorial, empty b", "Command6", "1", "", "L'opérande b est vide.");
}

void PowerTest::refusedOrFailed() {
    QFETCH(QString, button);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, message);
    setField("Text1", a);
    setField("Text2", b);
    setField("Text3", "777");
    if (!message.isEmpty()) {
        boxes().expectBox(QMessageBox::Ok);
    }
    click(button.toUtf8().constData()); // the factorial shows no timing box after either
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
    if (message.isEmpty()) {
        QCOMPARE(fieldText("Text3"), QStringLiteral("Opération interdite"));
        return;
    }
    QVERIFY2(seen[0].text.contains(message), qPrintable(seen[0].text));
    QCOMPARE(seen[0].title, window().windowTitle());
    QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
}

void PowerTest::dateAndTimeIsTitledWithTheCaption() {
    window().setWindowTitle(QStringLiteral("Autre titre"));
    boxes().expectBox(QMessageBox::Ok);
    const QDateTime before = QDateTime::currentDateTime();
    click("Command14");
    const QDateTime after = QDateTime::currentDateTime();
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen[0].title, QStringLiteral("Autre titre"));
    QVERIFY2(timestampsBetween(before, after).contains(seen[0].text), qPrintable(seen[0].text));
}

QTEST_MAIN(PowerTest)
#include "power_test.moc"
