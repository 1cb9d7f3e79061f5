// Every calculation command against every kind of bad operand, and how text
// arrives in the fields: a paste as one number, typing as typed.
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMenu>
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

} // namespace

class InputTest : public WindowFixture {
    Q_OBJECT

private slots:
    // One row per kind of operand, its answers by command in the order above,
    // split at "|": "=r", the result r; "!t", the refusal text t in the result
    // field; "?f", a box with "L'opérande " then f, and the result field kept.
    // "*" stands for "Opération interdite", refused by a point or a leading "-".
    void badOperand_data() {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("answer");
        const auto row = [](const char* kind, const QString& a, const QString& b,
                            const QString& answers) {
            const QStringList split = answers.split(u'|');
            for (int i = 0; i < split.size(); ++i) {
                const QString answer = split[i] == "*" ? "!Opération interdite" : split[i];
                QTest::addRow("%s, %s", kind, Commands[i].button) << i << a << b << answer;
            }
        };
        const QString each = QStringLiteral("|%1").repeated(7);
        // clang-format off
        row("empty", "2", "", "=2|=2|=0|!Division impossible|?b est vide|?b est vide|=3|?b est vide");
        row("lone minus", "2", "-", "=2|=2|=-0|!Division impossible|*|*|*|?b contient un signe « - » en position 1");
        row("lone point", "2", ".", "=2|=2|=0|!Division impossible|*|*|*|?b contient un point en position 1");
        row("plus sign", "2", "+5", "=7|=-3|=10|=0.40|=32|=120|=13|=3369");
        row("letters", "2", "abc", ("?b contient le caractère « a » en position 1" + each).arg("?b contient le caractère « a » en position 1"));
        row("comma", "2", "1,5", ("?b contient une virgule en position 2" + each).arg("?b contient une virgule en position 2"));
        row("blank inside", "2", "12 34", QStringLiteral("?b contient une espace en position 3|").repeated(5) + "!b est trop grand|?b contient une espace en position 3|?b contient une espace en position 3");
        row("two points", "2", "1.2.3", QStringLiteral("?b contient un deuxième point en position 4|").repeated(4) + "*|*|*|?b contient un point en position 2");
        // Found by fuzzing: a + b, a - b and a / b read "5..0" as 5.0 and "+.-" as 0.
        row("second point before zeros", "2", "5..0", QStringLiteral("?b contient un deuxième point en position 3|").repeated(4) + "*|*|*|?b contient un point en position 2");
        row("sign after the point", "2", "+.-", QStringLiteral("?b contient un signe « - » en position 3|").repeated(4) + "*|*|*|?b contient un point en position 2");
        row("two minus signs", "2", "--5", QStringLiteral("?b contient un signe « - » en position 2|").repeated(4) + "*|*|*|?b contient un signe « - » en position 1");
        row("tab inside", "2", "1\t2", ("?b contient une tabulation en position 2" + each).arg("?b contient une tabulation en position 2"));
        // Found by fuzzing: the engine read "0-5" as -5.
        row("minus after a zero", "2", "0-5", ("?b contient un signe « - » en position 2" + each).arg("?b contient un signe « - » en position 2"));
        row("line break inside", "2", "1\n2", ("?b contient un saut de ligne en position 2" + each).arg("?b contient un saut de ligne en position 2"));
        row("300000 digits and a letter", "2", QString(300000, u'7') + u'x', QStringLiteral("?b contient le caractère « x » en position 300001|").repeated(5) + "!b est trop grand|?b contient le caractère « x » en position 300001|?b contient le caractère « x » en position 300001");
        row("beyond 32 bits", "2", "99999999999", "=100000000001|=-99999999997|=199999999998|=0.00000000002000000000020000000000200000000002000000|?b dépasse 2147483647|!b est trop grand|=200000000001|?b dépasse 2147483647");
        row("2.0", "2", "2.0", "=4|=0|=4|=1|*|*|*|?b contient un point en position 2");
        row("negative after a blank", "2", " -3", "=-1|=5|=-6|=-0.66666666666666666666666666666666666666666666666666|*|*|*|?b est négatif");
        row("blanks around", " 2\t", "5\n", "=7|=-3|=10|=0.40|=32|=120|=13|=3369");
        row("letter before 11 digits", "2", "x99999999999", QStringLiteral("?b contient le caractère « x » en position 1|").repeated(5) + "!b est trop grand|?b contient le caractère « x » en position 1|?b contient le caractère « x » en position 1");
        // Positions count characters, no-break spaces too; the four operations count in the field they rewrote.
        row("no-break spaces before", "2", "\u00A0\u00A01x", QStringLiteral("?b contient le caractère « x » en position 2|").repeated(4) + QStringLiteral("?b contient le caractère « x » en position 4|").repeated(3) + "?b contient le caractère « x » en position 4");
        row("letter in a", "2x", "3", QStringLiteral("?a contient le caractère « x » en position 2|").repeated(5) + "=6|?a contient le caractère « x » en position 2|=153");
        // clang-format on
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
