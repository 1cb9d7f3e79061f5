// The four operation buttons, clicked on the real window, and what happens
// when an operand is not a number.
#include "window_fixture.h"

#include <QLineEdit>
#include <QtTest>

namespace {

QString threes(int count) {
    return QString(count, u'3');
}

} // namespace

class ArithmeticTest : public WindowFixture {
    Q_OBJECT

private slots:
    void sumAndDifference_data();
    void sumAndDifference();
    void productAndQuotient_data();
    void productAndQuotient();
    void leadingPointIsRepairedInTheField_data();
    void leadingPointIsRepairedInTheField();
    void quotientFollowsThePrecision_data();
    void quotientFollowsThePrecision();
    void badOperandLeavesTheResultAlone_data();
    void badOperandLeavesTheResultAlone();
    void longProductIsShownWhole();

private:
    // Puts a and b into their fields, clicks the button and returns the result field.
    QString compute(const char* button, const QString& a, const QString& b);
};

QString ArithmeticTest::compute(const char* button, const QString& a, const QString& b) {
    setField("Text1", a);
    setField("Text2", b);
    click(button);
    return fieldText("Text3");
}

void ArithmeticTest::sumAndDifference_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<QString>("difference");
    const auto row = [](const char* a, const char* b, const char* sum, const char* difference) {
        QTest::addRow("%s, %s", a, b) << a << b << sum << difference;
    };
    row("12.5", "2.25", "14.75", "10.25");
    row("1.5", "1.5", "3.0", "0.0");
    row("0.75", "0.25", "1.00", "0.50");
    row("0.05", "0.75", "0.80", "-0.70");
    row("5", "0.05", "5.05", "4.95");
    row("-1.5", "2.25", "0.75", "-3.75");
    row(".5", "0.25", "0.75", "0.25");
    row("+.5", "1", "1.5", "-0.5");
    row("1.00", "2.5", "3.5", "-1.5");
    row("2.0", "1.0", "3", "1");
    row("0", "-0.5", "-0.5", "0.5");
    row("7", "-3", "4", "10");
    row("", "", "0", "0");
    row("-", "5", "5", "-5");
    row("-.5", "1", "0.5", "-1.5");
    row("5.", "3", "8", "2");
    row("0", "-0", "-0", "0");
    row("-0", "0", "0", "-0");
    row("99999999999999999999.99", "0.01", "100000000000000000000.00", "99999999999999999999.98");
}

void ArithmeticTest::sumAndDifference() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    QFETCH(QString, difference);
    QCOMPARE(compute("Command1", a, b), sum);
    QCOMPARE(compute("Command2", a, b), difference);
}

void ArithmeticTest::productAndQuotient_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("quotient");
    const auto row = [](const char* a, const char* b, const char* product,
                        const QString& quotient) {
        QTest::addRow("%s, %s", a, b) << a << b << product << quotient;
    };
    row("12", "34", "408", "0.35294117647058823529411764705882352941176470588235");
    row("6", "3", "18", "2");
    row("10", "4", "40", "2.50");
    row("20", "4", "80", "5");
    row("1000", "5", "5000", "200");
    row("1", "3", "3", "0." + threes(50));
    row("10", "3", "30", "3." + threes(50));
    row("1.5", "0.5", "0.75", "3");
    row("1", "0.25", "0.25", "4");
    row(".5", "2", "1", "0.250");
    row("-20", "4", "-80", "-05");
    row("-10", "4", "-40", "-02.50");
    row("-1", "3", "-3", "-0." + threes(50));
    row("-6", "-3", "18", "2");
    row("0", "7", "0", "0");
    row("0", "-7", "-0", "-0");
    row("5", "0", "0", "Division impossible");
    row("2", "3", "6", "0." + QString(49, u'6') + "6");
    row("1", "40", "40", "0.0250");
    row("1.25", "2", "2.50", "0.6250");
    row("", "5", "0", "0");
    row("5", "", "0", "Division impossible");
    row("5", "0.00", "0", "Division impossible");
}

void ArithmeticTest::productAndQuotient() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, product);
    QFETCH(QString, quotient);
    QCOMPARE(compute("Command3", a, b), product);
    QCOMPARE(compute("Command4", a, b), quotient);
    QCOMPARE(window().precision(), 50);
}

void ArithmeticTest::leadingPointIsRepairedInTheField_data() {
    QTest::addColumn<QString>("button");
    for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
        QTest::newRow(button) << button;
    }
}

void ArithmeticTest::leadingPointIsRepairedInTheField() {
    QFETCH(QString, button);
    compute(button.toUtf8().constData(), ".5", "-.25");
    QCOMPARE(fieldText("Text1"), QStringLiteral("0.5"));
    QCOMPARE(fieldText("Text2"), QStringLiteral("-0.25"));
}

void ArithmeticTest::quotientFollowsThePrecision_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("fieldAfter");
    QTest::newRow("more digits") << "60" << 60 << "60";
    QTest::newRow("below 50 is raised to 50") << "10" << 50 << "50";
    QTest::newRow("not a number keeps the last value") << "70x" << 70 << "70x";
}

void ArithmeticTest::quotientFollowsThePrecision() {
    QFETCH(QString, typed);
    QFETCH(int, digits);
    QFETCH(QString, fieldAfter);
    auto* text4 = window().findChild<QLineEdit*>("Text4");
    text4->selectAll();
    QTest::keyClicks(text4, typed);
    QCOMPARE(compute("Command4", "1", "3"), "0." + threes(digits));
    QCOMPARE(text4->text(), fieldAfter);
    QCOMPARE(window().precision(), digits);
}

void ArithmeticTest::badOperandLeavesTheResultAlone_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("message");
    QTest::newRow("letter in a, sum")
        << "Command1"
        << "12a4"
        << "5"
        << "L'opérande a contient le caractère « a » en position 3, qui n'est pas un chiffre.";
    QTest::newRow("comma in b, product") << "Command3"
                                         << "3"
                                         << "1,5"
                                         << "L'opérande b contient une virgule en position 2";
    QTest::newRow("blank in a, quotient") << "Command4"
                                          << "1 000"
                                          << "7"
                                          << "L'opérande a contient une espace en position 2.";
    QTest::newRow("second point in b, difference")
        << "Command2"
        << "1"
        << "1.2.3"
        << "L'opérande b contient un deuxième point en position 4.";
    QTest::newRow("inner minus in b, quotient")
        << "Command4"
        << "8"
        << "4-2"
        << "L'opérande b contient un signe « - » en position 2";
}

void ArithmeticTest::badOperandLeavesTheResultAlone() {
    QFETCH(QString, button);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, message);
    setField("Text3", "777");
    boxes().expectBox(QMessageBox::Ok);
    QCOMPARE(compute(button.toUtf8().constData(), a, b), QStringLiteral("777"));
    const QList<SeenBox> seen = boxes().takeSeen();
    QCOMPARE(seen.size(), 1);
    QVERIFY2(seen[0].text.contains(message), qPrintable(seen[0].text));
    QCOMPARE(seen[0].title, window().windowTitle());
    QCOMPARE(seen[0].icon, QMessageBox::NoIcon);
    // The window goes on working.
    QCOMPARE(compute(button.toUtf8().constData(), "8", "2"),
             QStringList({"10", "6", "16", "4"})[button.mid(7).toInt() - 1]);
}

void ArithmeticTest::longProductIsShownWhole() {
    // 199,999 nines times 9: 8, then 199,998 nines, then 1, carried all along.
    const QString product = "8" + QString(199998, u'9') + "1";
    QCOMPARE(compute("Command3", QString(199999, u'9'), "9"), product);
    QCOMPARE(QString::fromStdString(window().readField(engine::Field::Text3)), product);
}

QTEST_MAIN(ArithmeticTest)
#include "arithmetic_test.moc"
