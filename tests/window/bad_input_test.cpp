// Every calculation command against every kind of bad operand: the refusal text, or a
// box naming the operand and what the command takes; the result field kept; the next
// valid click right. What has always read as a number ("+5", "", "-") keeps its answer.
#include "window_fixture.h"

#include <QtTest>

#include <array>

namespace {

struct Command {
    const char* button;
    const char* accepts; // a part of each of its boxes
    const char* next;    // its result for a = 2, b = 3 and the result 12
};

const Command Commands[] = {
    {"Command1", "un point décimal au plus", "5"},
    {"Command2", "un point décimal au plus", "-1"},
    {"Command3", "un point décimal au plus", "6"},
    {"Command4", "un point décimal au plus",
     "0.66666666666666666666666666666666666666666666666666"},
    {"Command5", "b valant au plus 2147483647", "8"},
    {"Command6", "b ! se calcule pour un nombre entier b de 0 à 9999", "6"},
    {"Command9", "Ackerman(a, b) se calcule sur deux nombres entiers de 0 ou plus", "9"},
    {"Command18", "puissance b se calcule pour un nombre entier b de 0 à 2147483647", "9"},
};

// "=r": the result r; "!t": the refusal text t in the result field; "?f": a
// box with "L'opérande " followed by f, and the result field unchanged.
using Answers = std::array<const char*, std::size(Commands)>;

Answers forEach(const char* a) {
    return {a, a, a, a, a, a, a, a};
}

// A box from the four operations, "Opération interdite" from the power, the
// factorial and Ackermann (a point or a leading "-"), `sum` from the digit-power sum.
Answers pointOrSign(const char* box, const char* sum) {
    const char* forbidden = "!Opération interdite";
    return {box, box, box, box, forbidden, forbidden, forbidden, sum};
}

} // namespace

class BadInputTest : public WindowFixture {
    Q_OBJECT

private slots:
    void badOperand_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("answer");
        const auto row = [](const char* kind, const QString& a, const QString& b,
                            const Answers& answers) {
            for (std::size_t i = 0; i < answers.size(); ++i) {
                QTest::addRow("%s, %s", kind, Commands[i].button)
                    << int(i) << a << b << QString::fromUtf8(answers[i]);
            }
        };
        const char* forbidden = "!Opération interdite";
        const char* tooLarge = "!b est trop grand";
        row("empty", "2", "",
            {"=2", "=2", "=0", "!Division impossible", "?b est vide", "?b est vide", "=3",
             "?b est vide"});
        row("lone minus", "2", "-",
            {"=2", "=2", "=-0", "!Division impossible", forbidden, forbidden, forbidden,
             "?b contient un signe « - » en position 1"});
        row("lone point", "2", ".",
            {"=2", "=2", "=0", "!Division impossible", forbidden, forbidden, forbidden,
             "?b contient un point en position 1"});
        row("plus sign", "2", "+5", {"=7", "=-3", "=10", "=0.40", "=32", "=120", "=13", "=3369"});
        row("letters", "2", "abc", forEach("?b contient le caractère « a » en position 1"));
        row("comma", "2", "1,5", forEach("?b contient une virgule en position 2"));
        const char* blank = "?b contient une espace en position 3";
        row("blank inside", "2", "12 34",
            {blank, blank, blank, blank, blank, tooLarge, blank, blank});
        const char* point = "?b contient un point en position 2";
        row("two points", "2", "1.2.3",
            pointOrSign("?b contient un deuxième point en position 4", point));
        // Found by fuzzing: a + b, a - b and a / b read "5..0" as 5.0 and "+.-" as 0.
        row("second point before zeros", "2", "5..0",
            pointOrSign("?b contient un deuxième point en position 3", point));
        row("sign after the point", "2", "+.-",
            pointOrSign("?b contient un signe « - » en position 3", point));
        const char* sign = "?b contient un signe « - » en position 2";
        row("two minus signs", "2", "--5",
            pointOrSign(sign, "?b contient un signe « - » en position 1"));
        row("tab inside", "2", "1\t2", forEach("?b contient une tabulation en position 2"));
        // Found by fuzzing: the engine read "0-5" as -5.
        row("minus after a zero", "2", "0-5", forEach(sign));
        row("line break inside", "2", "1\n2",
            forEach("?b contient un saut de ligne en position 2"));
        const char* letter = "?b contient le caractère « x » en position 300001";
        row("300000 digits and a letter", "2", QString(300000, u'7') + u'x',
            {letter, letter, letter, letter, letter, tooLarge, letter, letter});
        const char* beyond = "?b dépasse 2147483647";
        row("beyond 32 bits", "2", "99999999999",
            {"=100000000001", "=-99999999997", "=199999999998",
             "=0.00000000002000000000020000000000200000000002000000", beyond, tooLarge,
             "=200000000001", beyond});
        row("2.0", "2", "2.0", {"=4", "=0", "=4", "=1", forbidden, forbidden, forbidden, point});
        row("negative after a blank", "2", " -3",
            {"=-1", "=5", "=-6", "=-0.66666666666666666666666666666666666666666666666666",
             forbidden, forbidden, forbidden, "?b est négatif"});
        row("blanks around", " 2\t", "5\n",
            {"=7", "=-3", "=10", "=0.40", "=32", "=120", "=13", "=3369"});
        const char* inA = "?a contient le caractère « x » en position 2";
        row("letter in a", "2x", "3", {inA, inA, inA, inA, inA, "=6", inA, "=153"});
    }

    void badOperand() {
        QFETCH(int, command);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, answer);
        const Command& c = Commands[command];
        const QChar kind = answer[0];
        const QString value = answer.mid(1);
        // The factorial times what it did not refuse; A(a, b) for a below 5 shows its value.
        const int boxes = int(kind == u'?') +
                          int(command == 5 && (kind == u'=' || value == "b est trop grand")) +
                          int(command == 6 && kind == u'=');
        setField("Text1", a);
        setField("Text2", b);
        setField("Text3", "153");
        const QList<SeenBox> seen = clickSeeing(c.button, boxes);
        QCOMPARE(seen.size(), boxes);
        QCOMPARE(fieldText("Text3"), kind == u'?' ? QStringLiteral("153") : value);
        if (kind == u'?') {
            const QString& text = seen[0].text;
            QVERIFY2(text.contains("L'opérande " + value), qPrintable(text));
            QVERIFY2(text.contains(QString::fromUtf8(c.accepts)), qPrintable(text));
            // The example of a decimal number only where decimals are taken.
            QCOMPARE(text.contains("12.5"), command < 4 && value.contains("virgule"));
        }
        if (a == " 2\t") {
            // The four operations show the numbers they computed; the others leave the fields.
            const QStringList fields{fieldText("Text1"), fieldText("Text2")};
            QCOMPARE(fields, (command < 4 ? QStringList{"2", "5"} : QStringList{a, b}));
        }
        setField("Text1", "2");
        setField("Text2", "3");
        setField("Text3", "12");
        clickSeeing(c.button, int(command == 5 || command == 6));
        QCOMPARE(fieldText("Text3"), QString::fromUtf8(c.next));
    }
};

QTEST_MAIN(BadInputTest)
#include "bad_input_test.moc"
