// SPDX-License-Identifier: GPL-3.0-or-later
// Every calculation command against every kind of bad operand and the edges
// of good ones: what the command gives or refuses, and the box that follows;
// and how text arrives in the fields: a paste as one number, typing as typed.
#include "window_fixture.h"

#include "engine/operations.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
#include <QtTest>

#include <array>
#include <vector>

namespace {

using engine::Text;
using engine::operations::Outcome;
using Kind = engine::OperandFlaw::Kind;

// What a command does with a pair of operands: writes a result, or returns a
// refusal whose box follows, NotANumber (with the kind of its first flaw) or
// OutOfRange; `text` is the result, or a part of the box.
struct Answer {
    enum class Gives { Result, NotANumber, OutOfRange } gives;
    QString text;
    Kind kind = Kind::Character;
};

Answer is(const QString& result) {
    return {Answer::Gives::Result, result};
}
Answer flaw(Kind kind, const QString& operandText) {
    return {Answer::Gives::NotANumber, "L'opérande " + operandText, kind};
}
Answer bHas(const QString& character) {
    return flaw(Kind::Character, "b contient " + character);
}
const Answer forbidden = is("Opération interdite");
const Answer impossible = is("Division impossible");
const Answer factorialTooLarge = is("b est trop grand");
const Answer powerTooLong = {Answer::Gives::OutOfRange,
                             "Cette puissance aurait plus de 100 millions"};

struct Command {
    const char* name;
    const char* button;
    // The command as the window runs it, with the result field holding "153".
    Outcome (*operation)(Text a, Text b);
    const char* accepts;  // a part of each of its refusals' boxes
    const char* next;     // its result for a = 2, b = 3 and the result 12
    bool decimals;        // takes decimals, and writes its trimmed operands back
    int boxesWithAResult; // shown with any result but "Opération interdite"
};

// clang-format off
const Command Commands[] = {
    {"a + b", "Command1", [](Text a, Text b) { return engine::operations::sum(std::move(a), std::move(b)); }, "un point décimal au plus", "5", true, 0},
    {"a - b", "Command2", [](Text a, Text b) { return engine::operations::difference(std::move(a), std::move(b)); }, "un point décimal au plus", "-1", true, 0},
    {"a * b", "Command3", [](Text a, Text b) { return engine::operations::product(std::move(a), std::move(b)); }, "un point décimal au plus", "6", true, 0},
    {"a / b", "Command4", [](Text a, Text b) { return engine::operations::quotient(std::move(a), std::move(b), 50); },
     "un point décimal au plus", "0.66666666666666666666666666666666666666666666666666", true, 0},
    {"a exposant (b)", "Command5", [](Text a, Text b) { return engine::operations::power(std::move(a), std::move(b)); }, "b valant au plus 2147483647", "8", false, 0},
    {"b !", "Command6", [](Text, Text b) { return engine::operations::factorial(std::move(b)); },
     "b ! se calcule pour un nombre entier b de 0 à 9999", "6", false, 1}, // the time it took
    {"Ackerman(a, b)", "Command9", [](Text a, Text b) -> Outcome { return engine::operations::ackermann(std::move(a), std::move(b)); },
     "Ackerman(a, b) se calcule sur deux nombres entiers de 0 ou plus", "9", false, 1}, // A(a, b) for a below 5
    {"digit-power sum", "Command18", [](Text, Text b) { return engine::operations::digitPowerSum("153", std::move(b)); },
     "puissance b se calcule pour un nombre entier b de 0 à 2147483647", "9", false, 0}};
// clang-format on

using Answers = std::array<Answer, std::size(Commands)>;

// `x` from every command but the factorial, which refuses a b of five
// characters or more by its length.
Answers exceptFactorial(const Answer& x, const Answer& factorial = factorialTooLarge) {
    return {x, x, x, x, x, factorial, x, x};
}
// `x` from the four operations; the three that take whole numbers forbid a
// point or a "-"; the digit-power sum gives `digitPowerSum`.
Answers fourThenForbidden(const Answer& x, const Answer& digitPowerSum) {
    return {x, x, x, x, forbidden, forbidden, forbidden, digitPowerSum};
}

// One row per kind of operand, with what each command of Commands does with it.
struct Row {
    const char* name;
    QString a;
    QString b;
    Answers answers;
};

const std::vector<Row>& rows() {
    const QString quotientBy3 = "0.66666666666666666666666666666666666666666666666666";
    const Answer aHasX = flaw(Kind::Character, "a contient le caractère « x » en position 1");
    const Answer bEmpty = flaw(Kind::Empty, "b est vide");
    const Answer bNoDigit = flaw(Kind::NoDigit, "b ne contient aucun chiffre");
    const Answer bBeyond = flaw(Kind::Beyond32Bits, "b dépasse 2147483647");
    const Answer bNegative = flaw(Kind::Negative, "b est négatif");
    const Answer bX = bHas("le caractère « x » en position 1");
    // clang-format off
    static const std::vector<Row> table = {
        {"empty", "2", "", {is("2"), is("2"), is("0"), impossible, bEmpty, bEmpty, bEmpty, bEmpty}},
        {"zero", "2", "0", {is("2"), is("2"), is("0"), impossible, is("1"), is("1"), is("3"), is("3")}},
        {"one", "2", "1", {is("3"), is("1"), is("2"), is("2"), is("2"), is("1"), is("5"), is("9")}},
        {"lone plus", "2", "+", {is("2"), is("2"), is("0"), impossible, bNoDigit, bNoDigit, bNoDigit, bNoDigit}},
        {"plus sign", "2", "+5", {is("7"), is("-3"), is("10"), is("0.40"), is("32"), is("120"), is("13"), is("3369")}},
        {"lone minus", "2", "-", {is("2"), is("2"), is("-0"), impossible, forbidden, forbidden, forbidden, bHas("un signe « - » en position 1")}},
        {"lone point", "2", ".", {is("2"), is("2"), is("0"), impossible, forbidden, forbidden, forbidden, bHas("un point en position 1")}},
        {"2.0", "2", "2.0", {is("4"), is("0"), is("4"), is("1"), forbidden, forbidden, forbidden, bHas("un point en position 2")}},
        {"negative after a blank", "2", " -3", {is("-1"), is("5"), is("-6"), is("-" + quotientBy3), forbidden, forbidden, forbidden, bNegative}},
        {"blanks around", " 2\t", "5\n", {is("7"), is("-3"), is("10"), is("0.40"), is("32"), is("120"), is("13"), is("3369")}},
        {"point and blanks around a, letter in b", " .5\t", "x", {bX, bX, bX, bX, forbidden, bX, forbidden, bX}},
        {"largest 32-bit b", "2", "2147483647", {is("2147483649"), is("-2147483645"), is("4294967294"), is("0.00000000093132257504915938482115016543359969064295"), powerTooLong, factorialTooLarge, is("4294967297"), powerTooLong}},
        {"b past 32 bits", "2", "2147483648", {is("2147483650"), is("-2147483646"), is("4294967296"), is("0.0000000009313225746154785156250"), bBeyond, factorialTooLarge, is("4294967299"), bBeyond}},
        {"smallest 32-bit b", "2", "-2147483648", {is("-2147483646"), is("2147483650"), is("-4294967296"), is("-0.0000000009313225746154785156250"), forbidden, forbidden, forbidden, bNegative}},
        {"11 digits", "2", "99999999999", {is("100000000001"), is("-99999999997"), is("199999999998"), is("0.00000000002000000000020000000000200000000002000000"), bBeyond, factorialTooLarge, is("200000000001"), bBeyond}},
        {"a empty", "", "3", {is("3"), is("-3"), is("0"), is("0"), flaw(Kind::Empty, "a est vide"), is("6"), flaw(Kind::Empty, "a est vide"), is("153")}},
        {"a past 32 bits", "2147483648", "3", {is("2147483651"), is("2147483645"), is("6442450944"), is("715827882.66666666666666666666666666666666666666666666666666"), is("9903520314283042199192993792"), is("6"), {Answer::Gives::OutOfRange, "Ackerman(a, b) est bien trop grande"}, is("153")}},
        {"letter before 11 digits in a", "x99999999999", "3", {aHasX, aHasX, aHasX, aHasX, aHasX, is("6"), aHasX, is("153")}},
        {"letters", "2", "abc", exceptFactorial(bHas("le caractère « a » en position 1"), bHas("le caractère « a » en position 1"))},
        {"letter before 11 digits", "2", "x99999999999", exceptFactorial(bHas("le caractère « x » en position 1"))},
        {"letter before 300000 digits", "2", 'x' + QString(300000, u'7'), exceptFactorial(bHas("le caractère « x » en position 1"))},
        {"letter after 300000 digits", "2", QString(300000, u'7') + u'x', exceptFactorial(bHas("le caractère « x » en position 300001"))},
        // Found by fuzzing: the engine read "0-5" as -5.
        {"minus after a zero", "2", "0-5", exceptFactorial(bHas("un signe « - » en position 2"), bHas("un signe « - » en position 2"))},
        {"two minus signs", "2", "--5", fourThenForbidden(bHas("un signe « - » en position 2"), bHas("un signe « - » en position 1"))},
        {"comma", "2", "1,5", exceptFactorial(bHas("une virgule en position 2"), bHas("une virgule en position 2"))},
        {"two points", "2", "1.2.3", fourThenForbidden(bHas("un deuxième point en position 4"), bHas("un point en position 2"))},
        // Found by fuzzing: a + b, a - b and a / b read "5..0" as 5.0 and "+.-" as 0.
        {"second point before zeros", "2", "5..0", fourThenForbidden(bHas("un deuxième point en position 3"), bHas("un point en position 2"))},
        {"sign after the point", "2", "+.-", fourThenForbidden(bHas("un signe « - » en position 3"), bHas("un point en position 2"))},
        {"blank inside", "2", "12 34", exceptFactorial(bHas("une espace en position 3"))},
        {"tab inside", "2", "1\t2", exceptFactorial(bHas("une tabulation en position 2"), bHas("une tabulation en position 2"))},
        {"line break inside", "2", "1\n2", exceptFactorial(bHas("un saut de ligne en position 2"), bHas("un saut de ligne en position 2"))},
        // Positions count characters, no-break spaces too; the four operations count in the field they rewrote.
        {"no-break spaces before", "2", "\u00A0\u00A01x", {bHas("le caractère « x » en position 2"), bHas("le caractère « x » en position 2"), bHas("le caractère « x » en position 2"), bHas("le caractère « x » en position 2"), bHas("le caractère « x » en position 4"), bHas("le caractère « x » en position 4"), bHas("le caractère « x » en position 4"), bHas("le caractère « x » en position 4")}},
    };
    // clang-format on
    return table;
}

// The refusal's kind, and the kind of NotANumber's first flaw, as failures show them.
QString errorOf(Answer::Gives gives, Kind kind = {}) {
    switch (gives) {
    case Answer::Gives::NotANumber:
        return QStringLiteral("NotANumber, flaw kind %1").arg(int(kind));
    case Answer::Gives::OutOfRange:
        return "OutOfRange";
    case Answer::Gives::Result:
        break;
    }
    return "no error";
}

// How the command itself refuses a and b.
QString engineError(const Command& command, const QString& a, const QString& b) {
    using engine::operations::Refusal;
    const Outcome outcome = command.operation(a.toStdString(), b.toStdString());
    const auto* refusal = std::get_if<Refusal>(&outcome.result);
    if (refusal == nullptr) {
        return errorOf(Answer::Gives::Result);
    }
    switch (refusal->kind) {
    case Refusal::Kind::NotANumber:
        return errorOf(Answer::Gives::NotANumber, refusal->flaws.at(0).kind);
    case Refusal::Kind::OutOfRange:
        return errorOf(Answer::Gives::OutOfRange);
    default:
        return QStringLiteral("another refusal: %1").arg(int(refusal->kind));
    }
}

} // namespace

class InputTest : public WindowFixture {
    Q_OBJECT

private slots:
    // Every command against every row: the error's type and kind from the
    // command itself, then the box or the result in the window, and the
    // window working as before afterwards.
    void badOperand_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("command");
        for (std::size_t r = 0; r < rows().size(); ++r) {
            for (std::size_t c = 0; c < std::size(Commands); ++c) {
                QTest::addRow("%s, %s", rows()[r].name, Commands[c].name) << int(r) << int(c);
            }
        }
    }

    void badOperand() {
        QFETCH(int, row);
        QFETCH(int, command);
        const auto& [name, a, b, answers] = rows()[std::size_t(row)];
        const Command& c = Commands[command];
        const Answer& answer = answers[std::size_t(command)];
        QCOMPARE(engineError(c, a, b), errorOf(answer.gives, answer.kind));
        const bool result = answer.gives == Answer::Gives::Result;
        const int boxes = result ? (answer.text == forbidden.text ? 0 : c.boxesWithAResult) : 1;
        setField("Text1", a);
        setField("Text2", b);
        setField("Text3", "153");
        const QList<SeenBox> seen = clickSeeing(c.button, boxes);
        QCOMPARE(seen.size(), boxes);
        QCOMPARE(fieldText("Text3"), result ? answer.text : QStringLiteral("153"));
        if (!result) {
            const QString& text = seen[0].text;
            QVERIFY2(text.contains(answer.text), qPrintable(text));
            QVERIFY2(answer.gives == Answer::Gives::OutOfRange ||
                         text.contains(QString::fromUtf8(c.accepts)),
                     qPrintable(text));
            // The example of a decimal number only where decimals are taken.
            QCOMPARE(text.contains("12.5"), c.decimals && answer.text.contains("virgule"));
        }
        if (a.startsWith(u' ')) {
            // The four operations show the numbers they read, also when they
            // then refuse one; the others leave the fields as they were.
            const QStringList fields{fieldText("Text1"), fieldText("Text2")};
            const QStringList read = a == " 2\t" ? QStringList{"2", "5"} : QStringList{"0.5", "x"};
            QCOMPARE(fields, (c.decimals ? read : QStringList{a, b}));
        }
        setField("Text1", "2");
        setField("Text2", "3");
        setField("Text3", "12");
        clickSeeing(c.button, c.boxesWithAResult);
        QCOMPARE(fieldText("Text3"), QString::fromUtf8(c.next));
    }
    // A paste arrives as one number, typing as typed; the precision field
    // shows (red frame, tooltip) when its text gives no precision.
    void fieldTakesText() {
        struct Row {
            const char* field;
            const char* how; // "paste key", "context menu" or "typed"
            QString text;
            QString arrives;
            int precision = 50;
            QString tooltip = {}; // of the precision field
        };
        const QString line = QStringLiteral("123 ").repeated(19) + QStringLiteral("123\n");
        // clang-format off
        const Row rows[] = {
            {"Text1", "paste key", "123\\\n456\\\r\n789", "123456789"}, // bc's continued lines
            {"Text2", "paste key", QString::fromUtf8("-1\u00A0234\u202F567\u2009890.5"), "-1234567890.5"},
            {"Text2", "paste key", "  12 345\t\r\n", "12345"}, {"Text1", "paste key", "1,5 x", "1,5x"},
            {"Text1", "paste key", line.repeated(16667), QStringLiteral("123").repeated(20 * 16667)},
            {"Text1", "typed", "1 2", "1 2"}, {"Text4", "paste key", " 1 000\n", "1000", 1000},
            {"Text4", "context menu", "7 0", "70", 70},
            {"Text4", "typed", "abc", "abc", 70, "Précision utilisée : 70"}, // the last that converted
            // Every keystroke whose text converts sets the precision.
            {"Text4", "typed", "99999999999", "99999999999", 999999999, "Précision utilisée : 999999999"}};
        // clang-format on
        for (const auto& [field, how, text, arrives, precision, tooltip] : rows) {
            auto* widget = window().findChild<QWidget*>(field);
            const char* property = QString(field) == "Text4" ? "text" : "plainText";
            widget->setProperty(property, QString());
            QGuiApplication::clipboard()->setText(text);
            QElapsedTimer clock;
            clock.start();
            if (QString(how) == "typed") {
                QTest::keyClicks(widget, text);
            } else if (QString(how) == "paste key") {
                QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier);
            } else {
                QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                        widget->mapToGlobal(QPoint(5, 5)));
                QApplication::sendEvent(widget, &event);
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                QVERIFY(menu != nullptr);
                for (QAction* action : menu->actions()) {
                    action->text().startsWith(QLineEdit::tr("&Paste")) ? action->trigger() : void();
                }
                menu->close();
            }
            QVERIFY2(clock.elapsed() < 10'000, qPrintable(QString::number(clock.elapsed())));
            QCOMPARE(widget->property(property).toString(), arrives);
            QCOMPARE(window().precision(), precision);
            auto* precisionField = window().findChild<QLineEdit*>("Text4");
            QCOMPARE(precisionField->toolTip(), tooltip);
            const QImage image = precisionField->grab().toImage();
            QCOMPARE(image.pixelColor(0, image.height() / 2) == QColor(204, 0, 0),
                     !tooltip.isEmpty());
        }
    }
};

QTEST_MAIN(InputTest)
#include "input_test.moc"
