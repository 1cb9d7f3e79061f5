// The power, factorial, Ackermann, digit-power-sum and date buttons on the
// real window, and the duration and timestamp texts that their boxes show.
#include "window_fixture.h"

#include "window/duration_text.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTimeZone>
#include <QtTest>

#include <gmpxx.h>

#include <cstdint>
#include <limits>

namespace {

// The timestamp texts of every second from `from` to `to`.
QStringList timestampsBetween(const QDateTime& from, const QDateTime& to) {
    QStringList texts;
    for (QDateTime t = from.addMSecs(-from.time().msec()); t <= to; t = t.addSecs(1)) {
        texts << window::timestampText(t);
    }
    return texts;
}

const char* const Forbidden = "Opération interdite";
const char* const TooLarge = "La valeur de Ackerman(a, b) est bien trop grande pour être "
                             "calculée : elle aurait plus de 20 millions de chiffres.";
const char* const PowerTooLarge = "Cette puissance aurait plus de 20 millions de chiffres";

} // namespace

class CalculationsTest : public WindowFixture {
    Q_OBJECT

private slots:
    void resultOrRefusal_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("before"); // the result field
        QTest::addColumn<QString>("after");
        QTest::addColumn<QString>("message"); // a part of the box's text; empty: no box
        const auto row = [](const char* name, const char* button, const char* a, const char* b,
                            const char* before, const char* after, const char* message = "") {
            QTest::newRow(name) << button << a << b << before << QString::fromUtf8(after)
                                << QString::fromUtf8(message);
        };
        row("2^10", "Command5", "2", "10", "777", "1024");
        row("007^1 keeps a as typed", "Command5", "007", "1", "777", "007");
        row("power, negative a", "Command5", "-2", "3", "777", Forbidden);
        row("power too large for memory", "Command5", "10", "200000000", "777", "777",
            PowerTooLarge);
        row("A(3, 5)", "Command9", "3", "5", "777", "253", "Ackerman(a, b) = 253");
        row("A(4, 1)", "Command9", "4", "1", "777", "65533", "Ackerman(a, b) = 65533");
        row("A(5, 00), recursion shows no box", "Command9", "5", "00", "777", "65533");
        row("A( -1, 2)", "Command9", " -1", "2", "777", Forbidden);
        row("A(5, 1)", "Command9", "5", "1", "777", "777", TooLarge);
        row("A(4, 3)", "Command9", "4", "3", "777", "777", TooLarge);
        row("153, cubes", "Command18", "", "3", "153", "153");
        row("370, cubes", "Command18", "", "3", "370", "370");
        row("9474, fourth powers", "Command18", "", "4", "9474", "9474");
        row("zero whatever b", "Command18", "", "x", "0", "0");
        row("digit-power sum, negative result", "Command18", "", "3", "-153", "-153",
            "Le résultat contient un signe « - » en position 1, où seul un chiffre peut figurer.");
        row("digit-power sum too large", "Command18", "", "200000000", "9", "9", PowerTooLarge);
    }

    // A box, when there is one, is titled with the caption and shown before the
    // result field is written.
    void resultOrRefusal() {
        QFETCH(QString, button);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, before);
        QFETCH(QString, after);
        QFETCH(QString, message);
        setField("Text1", a);
        setField("Text2", b);
        setField("Text3", before);
        window().setWindowTitle(QStringLiteral("Titre du moment"));
        QString resultWhileShown;
        if (!message.isEmpty()) {
            boxes().expectBox(QMessageBox::Ok, [&] { resultWhileShown = fieldText("Text3"); });
        }
        click(button);
        QCOMPARE(fieldText("Text3"), after);
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), message.isEmpty() ? 0 : 1);
        if (!message.isEmpty()) {
            QVERIFY2(seen[0].text.contains(message), qPrintable(seen[0].text));
            QCOMPARE(seen[0].title, QStringLiteral("Titre du moment"));
            QCOMPARE(resultWhileShown, before);
        }
    }

    void factorialIsTimed_data() {
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("result");
        mpz_class factorial9999;
        mpz_fac_ui(factorial9999.get_mpz_t(), 9999);
        QTest::newRow("5") << "5" << QStringLiteral("120");
        QTest::newRow("9999, from GMP")
            << "9999" << QString::fromStdString(factorial9999.get_str());
        QTest::newRow("10000") << "10000" << QStringLiteral("b est trop grand");
        QTest::newRow("00005, by its length") << "00005" << QStringLiteral("b est trop grand");
    }

    void factorialIsTimed() {
        QFETCH(QString, b);
        QFETCH(QString, result);
        setField("Text1", "-2.5"); // a plays no part
        setField("Text2", b);
        QString resultWhileShown;
        boxes().expectBox(QMessageBox::Ok, [&] { resultWhileShown = fieldText("Text3"); });
        const QDateTime before = QDateTime::currentDateTime();
        click("Command6");
        const QDateTime after = QDateTime::currentDateTime();
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(resultWhileShown, result); // the box comes after the result
        QCOMPARE(fieldText("Text3"), result);
        QCOMPARE(seen.size(), 1);
        // Titled with the moment the computation started.
        const QString started = QStringLiteral("Début du calcul: ");
        QVERIFY2(seen[0].title.startsWith(started), qPrintable(seen[0].title));
        QVERIFY(timestampsBetween(before, after).contains(seen[0].title.mid(started.size())));
        const QRegularExpression duration(
            QStringLiteral("^Temps de calcul:    [0-%1] Seconde\\(s\\)$")
                .arg(std::min<qint64>(before.secsTo(after) + 1, 9)));
        QVERIFY2(duration.match(seen[0].text).hasMatch(), qPrintable(seen[0].text));
    }

    void hugeAckermannBoxFitsTheScreen() {
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
        setField("Text1", "4");
        setField("Text2", "2");
        click("Command9");
        const QString value = fieldText("Text3");
        QCOMPARE(value.size(), 19729);
        QVERIFY(value.endsWith(QStringLiteral("733")));
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].text, "Ackerman(a, b) = " + value);
        QCOMPARE(readable, seen[0].text);
        const QSize frame = seen[0].frame.size();
        QVERIFY2(window().screen()->availableGeometry().contains(QRect(QPoint(), frame)),
                 qPrintable(QStringLiteral("%1 x %2").arg(frame.width()).arg(frame.height())));
    }

    void dateAndTimeIsTitledWithTheCaption() {
        window().setWindowTitle(QStringLiteral("Autre titre"));
        const QDateTime before = QDateTime::currentDateTime();
        const QList<SeenBox> seen = clickSeeing("Command14", 1);
        const QDateTime after = QDateTime::currentDateTime();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].title, QStringLiteral("Autre titre"));
        QVERIFY2(timestampsBetween(before, after).contains(seen[0].text), qPrintable(seen[0].text));
    }

    void convertirSecondes_data() {
        QTest::addColumn<std::int32_t>("seconds");
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::int32_t>("remaining");
        QTest::newRow("0") << 0 << QStringLiteral("   0 Seconde(s)") << 0;
        QTest::newRow("75") << 75 << QStringLiteral("  1 Minute(s) 15 Seconde(s)") << 15;
        QTest::newRow("3600") << 3600 << QStringLiteral(" 1 Heure(s)  0 Seconde(s)") << 0;
        QTest::newRow("90061") << 90061
                               << QStringLiteral("1 Jour(s) 1 Heure(s) 1 Minute(s) 1 Seconde(s)")
                               << 1;
        QTest::newRow("-1") << -1 << QStringLiteral("   ") << -1;
    }

    void convertirSecondes() {
        QFETCH(std::int32_t, seconds);
        QFETCH(QString, text);
        QFETCH(std::int32_t, remaining);
        QCOMPARE(window::ConvertirSecondes(seconds), text);
        QCOMPARE(seconds, remaining);
    }

    void timestampText_data() {
        QTest::addColumn<QString>("text");
        // Locales whose short time format shows no seconds still get them, in their own style.
        QTest::newRow("fr_FR") << QStringLiteral("06/12/2024 09:05:07");
        QTest::newRow("fi_FI") << QStringLiteral("6.12.2024 9.05.07");
        QTest::newRow("fr_CA") << QStringLiteral("2024-12-06 09 h 05 min 07 s");
    }

    void timestampText() {
        QFETCH(QString, text);
        const QDateTime moment(QDate(2024, 12, 6), QTime(9, 5, 7, 800));
        QCOMPARE(window::timestampText(moment, QLocale(QTest::currentDataTag())), text);
    }

    void elapsedSeconds_data() {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<QDateTime>("end");
        QTest::addColumn<std::int32_t>("seconds");
        const auto at = [](int month, int day, int h, int m, int s, int ms = 0) {
            return QDateTime(QDate(2024, month, day), QTime(h, m, s, ms),
                             QTimeZone("Europe/Paris"));
        };
        // The texts read 09:00:00 and 09:00:01: one second, as shown to the user.
        QTest::newRow("across a second") << at(12, 6, 9, 0, 0, 900) << at(12, 6, 9, 0, 1, 100) << 1;
        QTest::newRow("summer time starts") << at(3, 31, 1, 59, 59) << at(3, 31, 3, 0, 0) << 1;
        QTest::newRow("clock set back") << at(12, 6, 9, 0, 10) << at(12, 6, 9, 0, 0) << -10;
        QTest::newRow("beyond 32 bits") << at(12, 6, 9, 0, 0) << at(12, 6, 9, 0, 0).addYears(76)
                                        << std::numeric_limits<std::int32_t>::max();
    }

    void elapsedSeconds() {
        QFETCH(QDateTime, start);
        QFETCH(QDateTime, end);
        QFETCH(std::int32_t, seconds);
        QCOMPARE(window::elapsedSeconds(start, end), seconds);
    }
};

QTEST_MAIN(CalculationsTest)
#include "calculations_test.moc"
