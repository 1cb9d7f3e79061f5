// Long computations on the real window: it stays alive and takes no input
// while one runs, shows its progress after half a second, stops on "Annuler"
// or when closed, and refuses up front a quotient it could not hold.
#include "window_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QtTest>

namespace {

// 2 to this power has about 19.87 million digits: under the engine's limit,
// and long to compute however fast the engine gets.
const char* const LongExponent = "66000000";

} // namespace

class LongJobsTest : public WindowFixture {
    Q_OBJECT

private slots:
    void annulerStopsALongPower() {
        setField("Text1", "2");
        setField("Text2", LongExponent);
        setField("Text3", "777");
        // A timer of the window's thread, which also clicks "a + b" before the
        // progress window shows: that click must do nothing.
        int ticks = 0;
        QTimer ticker;
        connect(&ticker, &QTimer::timeout, this, [&] {
            if (++ticks == 5) {
                click("Command1");
            }
        });
        int sums = 0;
        connect(button("Command1"), &QPushButton::clicked, this, [&] { ++sums; });
        QElapsedTimer clock;
        qint64 shownAt = 0;
        qint64 stoppedAt = 0;
        int ticksWhenShown = 0;
        QStringList texts;
        bool barCounts = false;
        boxes().expectProgress([&](QWidget& progress) {
            shownAt = clock.elapsed();
            ticksWhenShown = ticks;
            texts << progress.windowTitle();
            for (const auto* label : progress.findChildren<QLabel*>()) {
                texts << label->text();
            }
            barCounts = progress.findChild<QProgressBar*>()->maximum() > 0;
            stoppedAt = clock.elapsed();
            QTest::mouseClick(progress.findChild<QPushButton*>("Annuler"), Qt::LeftButton);
        });
        ticker.start(10);
        clock.start();
        click("Command5");
        const qint64 endedAt = clock.elapsed();

        QVERIFY2(shownAt >= 450, qPrintable(QString::number(shownAt)));
        QVERIFY2(ticksWhenShown >= 10, qPrintable(QString::number(ticksWhenShown)));
        QVERIFY2(endedAt - stoppedAt < 1000, qPrintable(QString::number(endedAt - stoppedAt)));
        QVERIFY(texts.contains(window().windowTitle()));
        QVERIFY(texts.contains(QStringLiteral("Calcul de a exposant (b)…")));
        QVERIFY(barCounts);
        QCOMPARE(sums, 0);
        QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
        QVERIFY(boxes().takeSeen().isEmpty());
        // The window works as before.
        setField("Text2", "10");
        click("Command5");
        QCOMPARE(fieldText("Text3"), QStringLiteral("1024"));
    }

    void quotientBeyondTheLimitIsRefused() {
        window().writeField(engine::Field::Text4, "20000001");
        setField("Text3", "777");
        const QList<SeenBox> seen = clickSeeing("Command4", 1);
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].text.contains(QStringLiteral("20 millions de chiffres")),
                 qPrintable(seen[0].text));
        QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
    }

    // Closing the window during a job, with the application's event loop
    // running as in the program: the job stops and the loop ends.
    void closingDuringAJobQuits() {
        setField("Text1", "2");
        setField("Text2", LongExponent);
        setField("Text3", "777");
        boxes().expectProgress([&](QWidget&) { window().close(); });
        QTimer::singleShot(0, this, [&] { click("Command5"); });
        QTimer watchdog;
        connect(&watchdog, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
        watchdog.start(60000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(!window().isVisible());
        QCOMPARE(fieldText("Text3"), QStringLiteral("777"));
    }
};

QTEST_MAIN(LongJobsTest)
#include "long_jobs_test.moc"
