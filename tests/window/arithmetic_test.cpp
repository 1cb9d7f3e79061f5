// The four operation buttons, clicked on the real window, and the precision
// of division. What they do with operands that are not numbers is in
// bad_input_test.
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
    // Each row clicks two buttons on the same operands: + and -, or * and /.
    void operations_data() {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<QStringList>("results");
        const auto table = [](const char* pair, const QStringList& buttons) {
            return [=](const char* a, const char* b, const char* first, const QString& second) {
                QTest::addRow("%s %s %s", a, pair, b)
                    << a << b << buttons << QStringList{first, second};
            };
        };
        const auto sumAndDifference = table("+-", {"Command1", "Command2"});
        sumAndDifference("12.5", "2.25", "14.75", "10.25");
        sumAndDifference("1.5", "1.5", "3.0", "0.0");
        sumAndDifference("0.05", "0.75", "0.80", "-0.70");
        sumAndDifference("-1.5", "2.25", "0.75", "-3.75");
        sumAndDifference("+.5", "1", "1.5", "-0.5");
        sumAndDifference("1.00", "2.5", "3.5", "-1.5");
        sumAndDifference("2.0", "1.0", "3", "1");
        sumAndDifference("", "", "0", "0");
        sumAndDifference("-", "5", "5", "-5");
        sumAndDifference("0", "-0", "-0", "0");
        sumAndDifference("99999999999999999999.99", "0.01", "100000000000000000000.00",
                         "99999999999999999999.98");
        const auto productAndQuotient = table("*/", {"Command3", "Command4"});
        productAndQuotient("12", "34", "408",
                           "0.35294117647058823529411764705882352941176470588235");
        productAndQuotient("10", "4", "40", "2.50");
        productAndQuotient("1000", "5", "5000", "200");
        productAndQuotient("1", "3", "3", "0." + threes(50));
        productAndQuotient("2", "3", "6", "0." + QString(50, u'6')); // cut, not rounded
        productAndQuotient("1.5", "0.5", "0.75", "3");
        productAndQuotient("1.25", "2", "2.50", "0.6250");
        productAndQuotient("-20", "4", "-80", "-05");
        productAndQuotient("-10", "4", "-40", "-02.50");
        productAndQuotient("0", "-7", "-0", "-0");
        productAndQuotient("5", "0", "0", "Division impossible");
        productAndQuotient("5", "", "0", "Division impossible");
        productAndQuotient("5", "0.00", "0", "Division impossible");
    }

    void operations() {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QStringList, buttons);
        QFETCH(QStringList, results);
        QCOMPARE(compute(buttons[0], a, b), results[0]);
        QCOMPARE(compute(buttons[1], a, b), results[1]);
        QCOMPARE(window().precision(), 50);
    }

    void leadingPointIsRepairedInTheField() {
        for (const char* button : {"Command1", "Command2", "Command3", "Command4"}) {
            compute(button, ".5", "-.25");
            QCOMPARE(fieldText("Text1"), QStringLiteral("0.5"));
            QCOMPARE(fieldText("Text2"), QStringLiteral("-0.25"));
        }
    }

    void quotientFollowsThePrecision_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("typedPrecision");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("fieldAfter");
        QTest::newRow("more digits") << "60" << 60 << 60 << QStringLiteral("60");
        QTest::newRow("below 50 is raised to 50") << "10" << 10 << 50 << QStringLiteral("50");
        QTest::newRow("not a number keeps the last value")
            << "70x" << 70 << 70 << QStringLiteral("70x");
    }

    void quotientFollowsThePrecision() {
        QFETCH(QString, typed);
        QFETCH(int, typedPrecision);
        QFETCH(int, digits);
        QFETCH(QString, fieldAfter);
        auto* text4 = window().findChild<QLineEdit*>("Text4");
        text4->selectAll();
        QTest::keyClicks(text4, typed);
        QCOMPARE(window().precision(), typedPrecision);
        QCOMPARE(compute("Command4", "1", "3"), "0." + threes(digits));
        QCOMPARE(text4->text(), fieldAfter);
        QCOMPARE(window().precision(), digits);
    }

    void longProductIsShownWhole() {
        // 199,999 nines times 9: 8, then 199,998 nines, then 1, carried all along.
        QCOMPARE(compute("Command3", QString(199999, u'9'), "9"),
                 "8" + QString(199998, u'9') + "1");
    }

private:
    // Puts a and b into their fields, clicks the button and returns the result field.
    QString compute(const QString& button, const QString& a, const QString& b) {
        setField("Text1", a);
        setField("Text2", b);
        click(button);
        return fieldText("Text3");
    }
};

QTEST_MAIN(ArithmeticTest)
#include "arithmetic_test.moc"
