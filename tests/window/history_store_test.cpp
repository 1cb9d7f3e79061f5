// SPDX-License-Identifier: GPL-3.0-or-later
// The history file: texts of every shape back byte for byte, the limits, the
// search, programs killed while writing and two writing at once, and files
// that cannot serve; each in a temporary folder of its own.
#include "file_size_limit.h"
#include "history_texts.h"
#include "window/history/database.h"
#include "window/history/history_file.h"
#include "window/history/history_model.h"
#include "window/history/packed_digits.h"
#include "window/history/store.h"

#include <QDirIterator>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using history::Command;
using history::Entry;
using history::Limits;
using history::Store;

Q_DECLARE_METATYPE(history::Limits)

namespace {

const Limits Unlimited{1'000'000, 1'000'000};

// A store in a temporary folder, and what it told.
struct Place {
    QTemporaryDir folder;
    QStringList told;
    Store store{folder.path(), [this](const QString& message) { told.append(message); }};
    QString file() const { return folder.filePath(QString::fromLatin1(history::FileName)); }
};

Entry entryOf(Command command, std::optional<std::string> a, std::optional<std::string> b,
              std::string result, std::optional<std::int32_t> precision = std::nullopt) {
    Entry entry;
    entry.command = command;
    entry.a = std::move(a);
    entry.b = std::move(b);
    entry.result = std::move(result);
    entry.precision = precision;
    return entry;
}

std::string textOf(const std::optional<history::StoredText>& text) {
    return text ? text->utf8() : std::string("<absent>");
}

// What the whole file holds: every file name in the folder and its bytes.
QMap<QString, QByteArray> filesIn(const QString& folder) {
    QMap<QString, QByteArray> files;
    QDirIterator all(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (all.hasNext()) {
        QFile file(all.next());
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

QString integrityOf(const QString& file) {
    history::Connection connection(file.toStdString(), 1000);
    history::Statement check = connection.prepare("PRAGMA integrity_check");
    return check.step() ? QString::fromUtf8(check.text(0).data(), qsizetype(check.text(0).size()))
                        : QString();
}

// The rows a search shows, as their ids' entries' results.
QStringList found(const QString& file, const QString& search) {
    history::HistoryModel model(file);
    model.setSearch(search);
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        rows.append(model.data(model.index(row), Qt::DisplayRole)
                        .toString()
                        .section(" = ", 1, 1)
                        .section(" · ", 0, 0));
    }
    return rows;
}

// Starts history_writer on `folder`.
std::unique_ptr<QProcess> startWriter(const QString& folder, int first, int count,
                                      std::int64_t digits) {
    auto writer = std::make_unique<QProcess>();
    writer->setProgram(QCoreApplication::applicationDirPath() + "/history_writer");
    writer->setArguments(
        {folder, QString::number(first), QString::number(count), QString::number(digits)});
    writer->start();
    return writer;
}

// Reads the writer's "committed N" lines until it has printed `lines` of
// them or ended; returns the indexes.
QList<int> committedBy(QProcess& writer, int lines) {
    QList<int> committed;
    while (committed.size() < lines) {
        if (!writer.canReadLine() && !writer.waitForReadyRead(30'000)) {
            break;
        }
        while (writer.canReadLine() && committed.size() < lines) {
            committed.append(writer.readLine().trimmed().split(' ').value(1).toInt());
        }
    }
    return committed;
}

} // namespace

class HistoryStoreTest : public QObject {
    Q_OBJECT

private slots:
    // Each text goes in as a, b and result, and comes back as it went in;
    // long numbers are packed, the rest kept as written.
    void textsComeBackByteForByte_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("negative zero") << QByteArray("-0");
        QTest::newRow("raw quotient") << QByteArray("02.50");
        QTest::newRow("leading zeros") << QByteArray("007");
        QTest::newRow("forbidden") << QByteArray("Opération interdite");
        QTest::newRow("too large") << QByteArray("b est trop grand");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("lone minus") << QByteArray("-");
        QTest::newRow("line breaks, letters") << QByteArray("12\n34\r\nab\x00z", 11);
        QTest::newRow("not UTF-8") << QByteArray("\xff\xfe\x80"
                                                 "5");
        QTest::newRow("long, leading point") << "." + QByteArray(99, '0') + "1";
        QTest::newRow("long, trailing point") << "-" + QByteArray(100, '9') + ".";
        QTest::newRow("long, odd digits, zeros") << "-000" + QByteArray(63, '7') + ".0";
        QTest::newRow("long, letter at the end") << QByteArray(100, '1') + "x";
        QTest::newRow("long, two points") << QByteArray(50, '1') + "." + QByteArray(50, '2') + ".";
        QTest::newRow("long, sign inside") << QByteArray(70, '3') + "-3";
    }
    void textsComeBackByteForByte() {
        QFETCH(QByteArray, text);
        Place place;
        const std::string bytes = text.toStdString();
        const auto id =
            place.store.add(entryOf(Command::Quotient, bytes, bytes, bytes, 60), Unlimited);
        QVERIFY(id);
        const std::optional<history::StoredEntry> back = place.store.read(*id);
        QVERIFY(back);
        QCOMPARE(back->command, Command::Quotient);
        QCOMPARE(back->precision, std::optional<std::int32_t>(60));
        QCOMPARE(textOf(back->a), bytes);
        QCOMPARE(textOf(back->b), bytes);
        QCOMPARE(back->result.utf8(), bytes);
        QCOMPARE(back->result.qstring(), QString::fromUtf8(text));
        QCOMPARE(back->result.packed,
                 history::numberShape(bytes).has_value() && bytes.size() >= history::PackFrom);
        QVERIFY(place.told.isEmpty());
    }

    // Packed numbers of every length around the groups of twelve digits,
    // the point at every place, with and without a sign; a damaged one is
    // refused.
    void packedNumbersComeBack() {
        for (std::size_t digits = 64; digits <= 88; ++digits) {
            std::string plain;
            for (std::size_t i = 0; i < digits; ++i) {
                plain += char('0' + (i * 7 + i / 5) % 10);
            }
            for (std::size_t point = 0; point <= digits + 1; ++point) {
                std::string text =
                    point > digits ? plain : plain.substr(0, point) + "." + plain.substr(point);
                for (const std::string& signedText : {text, "-" + text}) {
                    const auto packed = history::packedNumber(signedText);
                    QVERIFY(packed);
                    QCOMPARE(history::unpackedText(*packed), signedText);
                    QCOMPARE(history::unpackedQString(*packed), QString::fromStdString(signedText));
                }
            }
        }
        std::vector<std::uint8_t> damaged = *history::packedNumber(std::string(70, '9'));
        damaged.back() = 0xff; // a value above 999
        QVERIFY_THROWS_EXCEPTION(history::DamagedNumber, history::unpackedText(damaged));
        damaged.pop_back();
        QVERIFY_THROWS_EXCEPTION(history::DamagedNumber, history::unpackedQString(damaged));
    }

    // The longest results, in a case of their own (CTest label "slow").
    void largestNumbersComeBack() {
        if (qEnvironmentVariableIsEmpty("CALC_SLOW_TESTS")) {
            QSKIP("run by the history_largest test (label slow)");
        }
        Place place;
        for (const std::int64_t digits : {20'000'000, 100'000'000}) {
            const std::string number = history_texts::number(digits, 7);
            const auto id =
                place.store.add(entryOf(Command::Power, "7", std::nullopt, number), Unlimited);
            QVERIFY(id);
            const std::optional<history::StoredEntry> back = place.store.read(*id);
            QVERIFY(back && back->result.packed && !back->b);
            QVERIFY(back->result.utf8() == number);
        }
    }

    // The newest entries stay: as many as the count allows and as fit in
    // the size; one larger than the whole size is not kept.
    void oldestGoFirst_data() {
        QTest::addColumn<Limits>("limits");
        QTest::addColumn<QList<int>>("digits"); // of each entry's result, oldest first
        QTest::addColumn<QList<int>>("kept");   // which entries stay, newest first
        QTest::newRow("by count") << Limits{3, 500} << QList<int>{1, 2, 3, 4, 5}
                                  << QList<int>{4, 3, 2};
        QTest::newRow("by size") << Limits{1000, 1}
                                 << QList<int>{1'000'000, 1'000'000, 1'000'000, 10}
                                 << QList<int>{3, 2, 1};
        QTest::newRow("too large alone")
            << Limits{1000, 1} << QList<int>{10, 2'500'000, 20} << QList<int>{2, 0};
        QTest::newRow("count then size")
            << Limits{2, 1} << QList<int>{1'500'000, 10, 10, 10} << QList<int>{3, 2};
    }
    void oldestGoFirst() {
        QFETCH(Limits, limits);
        QFETCH(QList<int>, digits);
        QFETCH(QList<int>, kept);
        Place place;
        QList<std::int64_t> ids;
        for (const int count : digits) {
            const auto id = place.store.add(
                entryOf(Command::Sum, "1", "2", std::string(std::size_t(count), '5')), limits);
            ids.append(id.value_or(-1));
        }
        QList<int> left;
        const std::vector<std::int64_t> stored = place.store.ids();
        for (auto id = stored.rbegin(); id != stored.rend(); ++id) {
            left.append(int(ids.indexOf(*id)));
        }
        QCOMPARE(left, kept);
        // Lowering the count later drops the oldest at once.
        place.store.applyLimits({1, limits.megabytes});
        QCOMPARE(place.store.ids().size(), std::size_t(kept.isEmpty() ? 0 : 1));
    }

    // A search finds the commands by name or symbol, and the texts that
    // start or end with what was typed, quotes, %, _ and backslashes as they
    // are; a long number by its first or last digits.
    void searchFindsWhatItSays_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QStringList>("results"); // newest first
        QTest::newRow("everything") << "" << QStringList{"123…890 (30 chiffres)",
                                                         "x",
                                                         "1_0",
                                                         "a%b",
                                                         "50%",
                                                         R"(c:\d)",
                                                         "it's",
                                                         "\"q\"",
                                                         "120"};
        QTest::newRow("percent") << "%" << QStringList{"50%"};
        QTest::newRow("underscore") << "_" << QStringList{};
        QTest::newRow("start with underscore") << "1_" << QStringList{"1_0"};
        QTest::newRow("quote") << "it'" << QStringList{"it's"};
        QTest::newRow("double quote") << "\"" << QStringList{"\"q\""};
        QTest::newRow("backslash") << R"(\d)" << QStringList{R"(c:\d)"};
        QTest::newRow("percent inside") << "a%" << QStringList{"a%b"};
        QTest::newRow("by command name") << "b !" << QStringList{"120"};
        QTest::newRow("by symbol") << "^" << QStringList{"x"};
        QTest::newRow("operand start") << "-4" << QStringList{"x"};
        QTest::newRow("long start") << "1234567890123" << QStringList{"123…890 (30 chiffres)"};
        QTest::newRow("long end") << "4567890" << QStringList{"123…890 (30 chiffres)"};
        QTest::newRow("inside is not found") << "456" << QStringList{};
    }
    void searchFindsWhatItSays() {
        QFETCH(QString, search);
        QFETCH(QStringList, results);
        Place place;
        place.store.add(entryOf(Command::Factorial, std::nullopt, "5", "120"), Unlimited);
        for (const char* result : {"\"q\"", "it's", R"(c:\d)", "50%", "a%b", "1_0"}) {
            place.store.add(entryOf(Command::Sum, "1", "2", result), Unlimited);
        }
        place.store.add(entryOf(Command::Power, "-4", "3", "x"), Unlimited);
        place.store.add(entryOf(Command::Product, "3", "3", "123456789012345678901234567890"),
                        Unlimited);
        QCOMPARE(found(place.file(), search), results);
    }

    // A writer killed at random points of its writes loses at most the entry
    // it was writing: every entry it said it committed comes back whole and
    // the file passes SQLite's integrity check.
    void killedWhileWritingLosesAtMostThatEntry() {
        QTemporaryDir folder;
        QList<int> committed;
        for (int round = 0; round < 4; ++round) {
            const int first = round * 100;
            std::unique_ptr<QProcess> writer = startWriter(folder.path(), first, 50, 1'000'000);
            committed += committedBy(*writer, int(QRandomGenerator::global()->bounded(1, 4)));
            writer->kill();
            QVERIFY(writer->waitForFinished());
        }
        Store store(folder.path(), [](const QString& message) { QFAIL(qPrintable(message)); });
        const std::vector<std::int64_t> ids = store.ids();
        QVERIFY(ids.size() >= std::size_t(committed.size()));
        QCOMPARE(integrityOf(QDir(folder.path()).filePath(history::FileName)), QString("ok"));
        for (const std::int64_t id : ids) {
            const std::optional<history::StoredEntry> back = store.read(id);
            QVERIFY(back && back->precision);
            const Entry written = history_texts::entry(*back->precision, 1'000'000);
            committed.removeOne(*back->precision);
            QVERIFY(back->result.utf8() == written.result);
            QCOMPARE(textOf(back->a), *written.a);
            QCOMPARE(textOf(back->b), *written.b);
        }
        QVERIFY2(committed.isEmpty(), "a committed entry is missing");
    }

    // Two programs writing into one file at once both keep every entry.
    void twoWritersKeepEveryEntry() {
        QTemporaryDir folder;
        std::unique_ptr<QProcess> first = startWriter(folder.path(), 0, 60, 2000);
        std::unique_ptr<QProcess> second = startWriter(folder.path(), 1000, 60, 2000);
        for (QProcess* writer : {first.get(), second.get()}) {
            QVERIFY(writer->waitForFinished(60'000));
            QCOMPARE(writer->exitCode(), 0);
        }
        Store store(folder.path(), [](const QString& message) { QFAIL(qPrintable(message)); });
        QSet<int> indexes;
        for (const std::int64_t id : store.ids()) {
            const std::optional<history::StoredEntry> back = store.read(id);
            QVERIFY(back->result.utf8() == history_texts::entry(*back->precision, 2000).result);
            indexes.insert(*back->precision);
        }
        QCOMPARE(indexes.size(), 120);
    }

    // A file that cannot serve is moved aside with its -wal and -shm, bytes
    // untouched, the box says where, and a new history starts.
    void unusableFileIsMovedAside_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("why");
        QTest::newRow("corrupt") << 0 << "est endommagé";
        QTest::newRow("newer schema")
            << 1 << "a été écrit par une version plus récente du calculateur";
        QTest::newRow("unreadable: a folder in its place") << 2 << "ne peut pas être lu";
        QTest::newRow("damaged inside, found while writing") << 3 << "est endommagé";
    }
    void unusableFileIsMovedAside() {
        QFETCH(int, kind);
        QFETCH(QString, why);
        Place place;
        if (kind == 0) {
            QFile file(place.file());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("not a database, ").repeated(300));
            QFile wal(place.file() + "-wal");
            QVERIFY(wal.open(QIODevice::WriteOnly));
            wal.write("wal");
        } else if (kind == 1) {
            QFile(place.file()).open(QIODevice::WriteOnly);
            history::Connection(place.file().toStdString(), 0)
                .execute("CREATE TABLE later(x); PRAGMA user_version = 99");
        } else if (kind == 3) {
            Store(place.folder.path(), [](const QString&) {
            }).add(entryOf(Command::Sum, "1", "2", "3"), Unlimited);
            QFile file(place.file());
            QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(4096));
            file.write(QByteArray(8192, '\x5a'));
        } else {
            QVERIFY(QDir().mkpath(place.file()));
            QFile inside(place.file() + "/kept.txt");
            QVERIFY(inside.open(QIODevice::WriteOnly));
            inside.write("kept");
        }
        const QMap<QString, QByteArray> before = filesIn(place.folder.path());
        QVERIFY(place.store.add(entryOf(Command::Sum, "1", "2", "3"), Unlimited));

        QCOMPARE(place.told.size(), 1);
        const QRegularExpressionMatch aside =
            QRegularExpression("^L'historique des calculs (.*)\\. Le fichier a été mis de côté "
                               "sous le nom :\\n(.*)\\nUn nouvel historique commence\\.$")
                .match(place.told[0]);
        QVERIFY2(aside.hasMatch(), qPrintable(place.told[0]));
        QVERIFY(aside.captured(1).startsWith(why));
        QVERIFY(QRegularExpression(QRegularExpression::escape(place.file()) +
                                   "\\.illisible-\\d{8}-\\d{6}$")
                    .match(aside.captured(2))
                    .hasMatch());
        const QString asideName = QDir(place.folder.path()).relativeFilePath(aside.captured(2));
        QMap<QString, QByteArray> after = filesIn(place.folder.path());
        for (auto file = before.begin(); file != before.end(); ++file) {
            QCOMPARE(after.value(QString(file.key()).replace(history::FileName, asideName)),
                     file.value());
        }
        QCOMPARE(place.store.ids().size(), std::size_t(1));
    }

    // A folder that takes no file, or a disk that refuses the writes: one
    // box, nothing recorded for the rest of the run, nothing moved or lost.
    void unwritablePlacePausesRecording_data() {
        QTest::addColumn<bool>("fullDisk");
        QTest::newRow("a file where the folder should be") << false;
        QTest::newRow("full disk") << true;
    }
    void unwritablePlacePausesRecording() {
        QFETCH(bool, fullDisk);
        QTemporaryDir top;
        QStringList told;
        const QString folder = top.filePath("data");
        std::unique_ptr<FileSizeLimit> limit;
        if (fullDisk) {
            Store(folder, [](const QString&) {
            }).add(entryOf(Command::Sum, "1", "1", "2"), Unlimited);
            limit = std::make_unique<FileSizeLimit>(
                QFileInfo(folder + "/historique.sqlite").size() + 200'000);
        } else {
            QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        }
        const QMap<QString, QByteArray> before = filesIn(top.path());
        {
            Store store(folder, [&](const QString& message) { told.append(message); });
            QVERIFY(!store.add(entryOf(Command::Sum, "1", "2", std::string(1'000'000, '3')),
                               Unlimited));
            QVERIFY(!store.add(entryOf(Command::Sum, "1", "2", "3"), Unlimited));
            QVERIFY(!store.recording());
        }
        limit.reset();
        QCOMPARE(told.size(), 1);
        QVERIFY2(told[0].startsWith("L'historique des calculs ne peut pas être enregistré dans " +
                                    folder + " ("),
                 qPrintable(told[0]));
        QVERIFY(told[0].endsWith(
            "). Les calculs continuent, sans historique jusqu'à la fermeture du calculateur."));
        if (fullDisk) {
            Store reopened(folder, [](const QString& message) { QFAIL(qPrintable(message)); });
            QCOMPARE(reopened.ids().size(), std::size_t(1));
            QCOMPARE(integrityOf(folder + "/historique.sqlite"), QString("ok"));
        } else {
            QCOMPARE(filesIn(top.path()), before);
        }
    }
};

QTEST_GUILESS_MAIN(HistoryStoreTest)
#include "history_store_test.moc"
