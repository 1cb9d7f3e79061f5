// SPDX-License-Identifier: GPL-3.0-or-later
// The history window over a history of a few real calculations, one of them
// 7^22000000, in a temporary folder: what docs/take-screenshots photographs.
// `history_demo [SEARCH]` types SEARCH into the search box.
#include "engine/operations.h"
#include "window/history/history.h"
#include "window/history/history_window.h"
#include "window/history/store.h"

#include <QApplication>
#include <QLineEdit>
#include <QTemporaryDir>

namespace {

using engine::operations::Outcome;

// A calculation of `command`, finished on 07/12/2026 at `time`.
history::Entry entry(history::Command command, std::optional<std::string> a,
                     std::optional<std::string> b, const Outcome& outcome, QTime time,
                     int milliseconds) {
    history::Entry entry;
    entry.command = command;
    entry.a = outcome.a ? outcome.a : std::move(a);
    entry.b = outcome.b ? outcome.b : std::move(b);
    entry.precision = outcome.precision;
    entry.result = std::get<engine::Text>(outcome.result);
    entry.finishedAt = QDateTime(QDate(2026, 12, 7), time);
    entry.duration = std::chrono::milliseconds(milliseconds);
    return entry;
}

void fill(history::Store& store) {
    using history::Command;
    namespace ops = engine::operations;
    const history::Limits limits;
    store.add(entry(Command::Sum, {}, {}, ops::sum("123456789012345678901234567890", "987654321"),
                    QTime(9, 58), 1),
              limits);
    store.add(entry(Command::Quotient, {}, {}, ops::quotient("1", "7", 50), QTime(10, 1), 2),
              limits);
    store.add(entry(Command::Power, "2", "1000", ops::power("2", "1000"), QTime(10, 3), 3), limits);
    store.add(entry(Command::Factorial, {}, "1000", ops::factorial("1000"), QTime(10, 6), 4),
              limits);
    store.add(entry(Command::Ackermann, "3", "5", ops::ackermann("3", "5"), QTime(10, 8), 1),
              limits);
    store.add(
        entry(Command::DigitPowerSum, "153", "3", ops::digitPowerSum("153", "3"), QTime(10, 9), 1),
        limits);
    store.add(
        entry(Command::Power, "7", "22000000", ops::power("7", "22000000"), QTime(10, 15), 2100),
        limits);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QTemporaryDir folder;
    {
        history::Store store(folder.path(), [](const QString&) {});
        fill(store);
    }
    history::History history({folder.path(), folder.filePath("settings.ini")});
    QWidget owner;
    history.showWindow(&owner);
    if (argc > 1) {
        history.window(&owner)
            .findChild<QLineEdit*>("rechercheHistorique")
            ->setText(QString::fromLocal8Bit(argv[1]));
    }
    return QApplication::exec();
}
