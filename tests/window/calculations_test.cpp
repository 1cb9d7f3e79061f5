// SPDX-License-Identifier: GPL-3.0-or-later
// The calculation buttons on the real window: which boxes they show, in what
// order with the result field, and what the boxes say; and long computations:
// the window stays alive and takes no input while one runs, shows its progress
// after half a second, and stops on "Annuler" or when closed.
#include "window_fixture.h"

#include "engine/memory_estimate.h"
#include "window/duration_text.h"
#include "window/french_figures.h"
#include "window/history/history.h"
#include "window/history/history_window.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include <array>
#include <tuple>

namespace {

// The timestamp texts of every second from `from` to `to`.
QStringList timestampsBetween(const QDateTime& from, const QDateTime& to) {
    QStringList texts;
    for (QDateTime t = from.addMSecs(-from.time().msec()); t <= to; t = t.addSecs(1)) {
        texts << window::timestampText(t);
    }
    return texts;
}

// The digits 2 to 9 raised to this power: 9 to it has 19,999,969 digits; the
// eight powers take more than a second on two cores.
const char* const LongSumDigits = "23456789";
const char* const LongExponent = "20959000";

} // namespace

class CalculationsTest : public WindowFixture {
    Q_OBJECT

private slots:
    // A box, when there is one, is titled with the caption and comes before the result.
    void boxesAndResults() {
        const char* const tooLong = "plus de 100 millions de chiffres";
        // button, a, b, result field before, after, part of the box's text (none: no box)
        // clang-format off
        const std::array<const char*, 6> rows[] = {
            {"Command9", "3", "5", "777", "253", "Ackerman(a, b) = 253"}, {"Command9", "5", "1", "777", "777", tooLong},
            {"Command9", "5", "00", "777", "65533", ""}, // the recursion shows no box
            {"Command5", "-2", "3", "777", "Opération interdite", ""}, {"Command18", "", "3", "153", "153", ""},
            {"Command18", "", "3", " 1x", " 1x", "Le résultat contient le caractère « x » en position 3"}};
        // clang-format on
        for (const auto& [button, a, b, before, after, message] : rows) {
            setField("Text1", a);
            setField("Text2", b);
            setField("Text3", before);
            window().setWindowTitle(QStringLiteral("Titre du moment"));
            QString resultWhileShown;
            if (*message != '\0') {
                boxes().expectBox(QMessageBox::Ok, [&] { resultWhileShown = fieldText("Text3"); });
            }
            click(button);
            QCOMPARE(fieldText("Text3"), QString::fromUtf8(after));
            const QList<SeenBox> seen = boxes().takeSeen();
            QCOMPARE(seen.size(), *message != '\0' ? 1 : 0);
            for (const SeenBox& box : seen) {
                QVERIFY2(box.text.contains(QString::fromUtf8(message)), qPrintable(box.text));
                QCOMPARE(box.title + resultWhileShown,
                         "Titre du moment" + QString::fromUtf8(before));
            }
        }
    }

    // The timing box comes after the result, titled with the moment the
    // computation started; a b of five characters is refused by its length.
    void factorialIsTimed() {
        for (const auto& [b, result] :
             {std::pair{"5", "120"}, std::pair{"00005", "b est trop grand"}}) {
            setField("Text1", "-2.5"); // a plays no part
            setField("Text2", b);
            QString resultWhileShown;
            boxes().expectBox(QMessageBox::Ok, [&] { resultWhileShown = fieldText("Text3"); });
            const QDateTime before = QDateTime::currentDateTime();
            click("Command6");
            const QList<SeenBox> seen = boxes().takeSeen();
            QCOMPARE(resultWhileShown, QString(result));
            QCOMPARE(seen.size(), 1);
            const QStringList started = timestampsBetween(before, QDateTime::currentDateTime());
            QVERIFY2(started.contains(seen[0].title.mid(17)) &&
                         seen[0].title.startsWith("Début du calcul: "),
                     qPrintable(seen[0].title));
            QVERIFY2(seen[0].text.startsWith("Temps de calcul:    "), qPrintable(seen[0].text));
        }
    }

    // A(4, 2), 19,729 digits, can be read whole in its box, which fits the screen.
    void hugeAckermannBoxFitsTheScreen() {
        QString readable;
        boxes().expectBox(QMessageBox::Ok, [&] {
            for (const auto* view :
                 QApplication::activeModalWidget()->findChildren<QPlainTextEdit*>()) {
                readable += view->isVisible() ? view->toPlainText() : QString();
            }
        });
        setField("Text1", "4");
        setField("Text2", "2");
        click("Command9");
        QCOMPARE(fieldText("Text3").size(), 19729);
        const QList<SeenBox> seen = boxes().takeSeen();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(readable, "Ackerman(a, b) = " + fieldText("Text3"));
        QVERIFY(
            window().screen()->availableGeometry().contains(QRect(QPoint(), seen[0].frame.size())));
    }

    // While a job runs, a timer of the window's thread keeps firing, and a
    // click on "a + b" does nothing; the progress window shows once its delay
    // has passed, says what is computed, and its "Annuler" stops the job.
    void annulerStopsALongSumOfPowers() {
        setField("Text1", "2");
        setField("Text2", LongExponent);
        setField("Text3", LongSumDigits);
        int ticks = 0;
        int sums = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this,
                [&] { ++ticks == 2 ? click("Command1") : void(); });
        connect(button("Command1"), &QPushButton::clicked, this, [&] { ++sums; });
        QStringList texts;
        window().setProgressDelay(std::chrono::milliseconds(50));
        boxes().expectProgress([&](QWidget& progress) {
            QVERIFY(ticks >= 2); // the click came before
            texts << progress.windowTitle();
            for (const auto* label : progress.findChildren<QLabel*>()) {
                texts << label->text();
            }
            QVERIFY(progress.findChild<QProgressBar*>()->maximum() > 0); // its steps are known
            QTest::mouseClick(progress.findChild<QPushButton*>("Annuler"), Qt::LeftButton);
        });
        ticker.start(10);
        click("Command18");
        QVERIFY(sums == 0);
        QVERIFY(texts.contains(window().windowTitle()) &&
                texts.contains("Calcul de la somme des chiffres du résultat puissance b…"));
        QCOMPARE(fieldText("Text3"), QString(LongSumDigits));
        QVERIFY(boxes().takeSeen().isEmpty());
        setField("Text2", "10"); // the window works as before
        click("Command5");
        QCOMPARE(fieldText("Text3"), QStringLiteral("1024"));
    }

    // Escape pressed in the main window stops the job as well, before any
    // progress window shows.
    void escapeInTheMainWindowStopsAJob() {
        setField("Text2", LongExponent);
        setField("Text3", LongSumDigits);
        window().setProgressDelay(std::chrono::hours(1));
        QTimer::singleShot(20, this, [&] { QTest::keyClick(field("Text1"), Qt::Key_Escape); });
        click("Command18");
        QCOMPARE(fieldText("Text3"), QString(LongSumDigits));
        QVERIFY(boxes().takeSeen().isEmpty());
    }

    // A precision below 50 is raised, and shown, before the quotient is
    // written; one beyond the longest result is refused up front.
    void precisionOfDivision() {
        window().writeField(window::Field::Text4, "10");
        setField("Text1", "1");
        setField("Text2", "3");
        click("Command4");
        QCOMPARE(fieldText("Text3"), "0." + QString(50, u'3'));
        QCOMPARE(window().findChild<QLineEdit*>("Text4")->text(), QStringLiteral("50"));
        window().writeField(window::Field::Text4, "100000001");
        const QList<SeenBox> seen = clickSeeing("Command4", 1);
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].text.contains("100 millions de chiffres"), qPrintable(seen[0].text));
        QCOMPARE(fieldText("Text3"), "0." + QString(50, u'3'));
    }

    // A result of 20 million digits is shown, scrolled to its end and put into
    // a, character for character.
    void twentyMillionDigitResult() {
        setField("Text1", "10");
        setField("Text2", "19999999");
        boxes().expectProgress([](QWidget&) {}); // in case the power takes half a second
        click("Command5");
        const QString power = u'1' + QString(19'999'999, u'0');
        QVERIFY(fieldText("Text3") == power);
        QTest::keyClick(field("Text3"), Qt::Key_End, Qt::ControlModifier);
        QVERIFY(!field("Text3")->grab().isNull() &&
                field("Text3")->caretPosition() == power.size());
        click("Command12");
        QVERIFY(fieldText("Text1") == power && fieldText("Text3") == power);
    }

    // A computation that would need more memory than the system has is
    // refused before it starts: the box gives both figures the French way,
    // the need rounded up and the supply down; the result field keeps its text.
    void memoryIsCountedFirst() {
        const quint64 tenthOfGiga = (quint64{1} << 30) / 10;
        // operands, available bytes, what the box says of both
        const std::tuple<const char*, const char*, quint64, QString, QString> rows[] = {
            {"2", "10000000", 10 << 20,
             window::memoryText(engine::memory::powerBytes("2", 10000000, 3)), "10 Mo"},
            {"7", "118000000", 300 << 20, "", "300 Mo"}};
        for (const auto& [a, b, available, needed, supply] : rows) {
            window().setAvailableMemory(available);
            setField("Text1", a);
            setField("Text2", b);
            setField("Text3", "777");
            const QList<SeenBox> seen = clickSeeing("Command5", 1);
            QCOMPARE(seen.size(), 1);
            const QRegularExpression box(
                "^Ce calcul demanderait environ ([0-9]+ Mo|[0-9]+,[0-9] Go) de mémoire ; le "
                "système en a (.*) de libre.\nLe résultat n'a pas été modifié.$");
            const QRegularExpressionMatch match = box.match(seen[0].text);
            QVERIFY2(match.hasMatch(), qPrintable(seen[0].text));
            QVERIFY(needed.isEmpty() || match.captured(1) == needed);
            QCOMPARE(match.captured(2), supply);
            QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
        }
        QCOMPARE(window::memoryText(13 * tenthOfGiga + 1) + " " +
                     window::memoryText(13 * tenthOfGiga + tenthOfGiga / 2, true),
                 QStringLiteral("1,4 Go 1,3 Go"));
        window().setAvailableMemory(std::nullopt); // the system's own figure
        setField("Text2", "10");
        click("Command5");
        QCOMPARE(fieldText("Text3"), QStringLiteral("282475249"));
    }

    // Each calculation that writes the result is kept; "Historique…" shows
    // them, and Entrée on one puts its texts back, each an edit that Ctrl+Z
    // undoes. A refusal is not kept.
    void historyKeepsAndPutsBack() {
        auto& history = *window().findChild<history::History*>();
        const auto shownRows = [&] {
            history.waitUntilWritten();
            window().findChild<QAction*>("mnuHistorique")->trigger();
            return history.window(&window()).findChild<QListView*>()->model()->rowCount();
        };
        const int before = shownRows();
        const auto calculate = [&](const char* a, const char* b, const char* button) {
            setField("Text1", a);
            setField("Text2", b);
            click(button);
        };
        calculate(" 2.50", "3", "Command1");
        calculate("2", "10", "Command5");
        QCOMPARE(clickSeeing("Command6", 1).size(), 1); // b ! with b = 10, timed
        setField("Text2", "x");
        QCOMPARE(clickSeeing("Command5", 1).size(), 1); // refused, with its box
        QTRY_COMPARE(shownRows(), before + 3);
        auto* list = history.window(&window()).findChild<QListView*>();
        QVERIFY(list->isVisible());
        list->setCurrentIndex(list->model()->index(2, 0)); // newest first: the sum
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_COMPARE(fieldText("Text3"), QStringLiteral("5.50"));
        QCOMPARE(fieldText("Text1") + "|" + fieldText("Text2"), QStringLiteral("2.50|3"));
        QTest::keyClick(field("Text3"), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fieldText("Text3"), QString::number(3628800));
    }

    // Closing the window during a job, with the application's event loop
    // running as in the program: the job stops and the loop ends.
    void closingDuringAJobQuits() {
        setField("Text2", LongExponent);
        setField("Text3", LongSumDigits);
        boxes().expectProgress([&](QWidget&) { window().close(); });
        QTimer::singleShot(0, this, [&] { click("Command18"); });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(60000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window().isVisible());
        QCOMPARE(fieldText("Text3"), QString(LongSumDigits));
    }
};

QTEST_MAIN(CalculationsTest)
#include "calculations_test.moc"
