// SPDX-License-Identifier: GPL-3.0-or-later
// A second program writing into a history, for the tests that kill one while
// it writes or run two at once: `history_writer FOLDER FIRST COUNT DIGITS`
// adds the entries FIRST to FIRST + COUNT - 1 (history_texts.h) and prints
// "committed INDEX" once each is in the file.
#include "history_texts.h"
#include "window/history/store.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: history_writer FOLDER FIRST COUNT DIGITS\n");
        return 2;
    }
    history::Store store(QString::fromLocal8Bit(argv[1]), [](const QString& message) {
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    });
    const int first = std::atoi(argv[2]);
    const int count = std::atoi(argv[3]);
    const std::int64_t digits = std::atoll(argv[4]);
    const history::Limits unlimited{1'000'000, 1'000'000};
    for (int index = first; index < first + count; ++index) {
        if (!store.add(history_texts::entry(index, digits), unlimited)) {
            return 1;
        }
        std::printf("committed %d\n", index);
        std::fflush(stdout);
    }
    return 0;
}
