// SPDX-License-Identifier: GPL-3.0-or-later
// The duration texts of the factorial's timing box, and the seconds counted
// between two timestamps.
#include "window/duration_text.h"

#include <QtTest>

#include <tuple>

class DurationTextTest : public QObject {
    Q_OBJECT

private slots:
    // Empty parts keep their blanks; the seconds below a minute stay in the argument.
    void durations() {
        for (auto [seconds, text, remaining] :
             std::initializer_list<std::tuple<std::int32_t, QString, std::int32_t>>{
                 {75, "  1 Minute(s) 15 Seconde(s)", 15},
                 {3600, " 1 Heure(s)  0 Seconde(s)", 0},
                 {90061, "1 Jour(s) 1 Heure(s) 1 Minute(s) 1 Seconde(s)", 1},
                 {-1, "   ", -1}}) {
            QCOMPARE(window::ConvertirSecondes(seconds), text);
            QCOMPARE(seconds, remaining);
        }
        // Counted between the texts, both cut to the second.
        QCOMPARE(window::elapsedSeconds(QDateTime(QDate(2024, 12, 6), QTime(9, 0, 0, 900)),
                                        QDateTime(QDate(2024, 12, 6), QTime(9, 0, 1, 100))),
                 1);
    }
};

QTEST_APPLESS_MAIN(DurationTextTest)
#include "duration_text_test.moc"
