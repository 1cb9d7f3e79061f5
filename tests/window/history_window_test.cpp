// SPDX-License-Identifier: GPL-3.0-or-later
// The history window over a history in a temporary folder: its rows, and
// what its actions hand back, read from the file, byte for byte.
#include "history_texts.h"
#include "window/history/history.h"
#include "window/history/history_model.h"
#include "window/history/history_window.h"
#include "window/history/row_text.h"
#include "window/translation.h"
#include "window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

using history::Command;
using history::Entry;
using history::PutBack;

namespace {

const QDateTime Finished(QDate(2026, 12, 7), QTime(10, 15, 42));
const std::string LongResult = "245" + std::string(1228, '5') + "001";

Entry entryOf(Command command, std::optional<std::string> a, std::optional<std::string> b,
              std::string result, std::optional<std::int32_t> precision, int milliseconds) {
    return {command,
            std::move(a),
            std::move(b),
            precision,
            std::move(result),
            Finished,
            std::chrono::milliseconds(milliseconds)};
}

// Recorded oldest first; the window shows them newest first.
const QList<Entry> Entries{
    entryOf(Command::Quotient, "1", "7", "0.142857142857142857142857142857", 30, 40),
    entryOf(Command::Power, "7", "22000000", LongResult, std::nullopt, 2120),
    entryOf(Command::Factorial, std::nullopt, "5", "120", std::nullopt, 0),
    entryOf(Command::DigitPowerSum, "153", "3", "153", std::nullopt, 61'000),
    entryOf(Command::Sum, "-0", "02.50", "Opération interdite\n2", std::nullopt, 3'725'000),
};

QString qtext(const std::optional<std::string>& text) {
    return text ? QString::fromStdString(*text) : QStringLiteral("<absent>");
}

QString qtext(const std::optional<QString>& text) {
    return text.value_or("<absent>");
}

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(window::installFrenchTranslation(*QCoreApplication::instance()));
    }
    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        history_ = std::make_unique<history::History>(places());
        for (const Entry& entry : Entries) {
            history_->record(entry);
        }
        history_->waitUntilWritten();
        QCoreApplication::processEvents(); // what the writes told
        owner_ = std::make_unique<QWidget>();
        history_->showWindow(owner_.get());
        boxes_ = std::make_unique<MessageBoxCatcher>();
    }
    void cleanup() {
        QVERIFY(!boxes_->sawUnexpected());
        owner_.reset();
        history_.reset();
    }

    void rowsNewestFirst() {
        QCOMPARE(window().windowTitle(), QString("Historique"));
        QStringList rows;
        for (int row = 0; row < model().rowCount(); ++row) {
            rows.append(model().data(model().index(row), Qt::DisplayRole).toString());
        }
        QCOMPARE(rows,
                 QStringList({
                     "-0 + 02.50 = Opé…e 2 (21 caractères) · 07/12/2026 10:15 · 1 h 02 min",
                     "somme des chiffres de 153 puissance 3 = 153 · 07/12/2026 10:15 · 1 min 01 s",
                     "5 ! = 120 · 07/12/2026 10:15 · 0,0 s",
                     "7 ^ 22000000 = 245…001 (1 234 chiffres) · 07/12/2026 10:15 · 2,1 s",
                     "1 / 7 = 0.1…857 (31 chiffres) · précision 30 · 07/12/2026 10:15 · 0,0 s",
                 }));
    }

    // Entrée, and each entry of the context menu, on each row: what comes
    // out is what was recorded.
    void actionsGiveTheStoredTexts_data() {
        QTest::addColumn<int>("row");
        for (int row = 0; row < Entries.size(); ++row) {
            QTest::addRow("row %d", row) << row;
        }
    }
    void actionsGiveTheStoredTexts() {
        QFETCH(int, row);
        const Entry& entry = Entries[Entries.size() - 1 - row];
        list().setCurrentIndex(model().index(row));

        QSignalSpy putBack(history_.get(), &history::History::putBack);
        QTest::keyClick(&list(), Qt::Key_Return);
        QVERIFY(putBack.wait());
        const auto texts = putBack.at(0).at(0).value<PutBack>();
        QCOMPARE(qtext(texts.a),
                 entry.command == Command::DigitPowerSum ? "<absent>" : qtext(entry.a));
        QCOMPARE(qtext(texts.b), qtext(entry.b));
        QCOMPARE(texts.precision, entry.precision);
        QCOMPARE(texts.result, QString::fromStdString(entry.result));

        QSignalSpy into(history_.get(), &history::History::resultInto);
        action("mettreDansA").trigger();
        action("mettreDansB").trigger();
        QVERIFY(into.wait() && (into.size() == 2 || into.wait()));
        QCOMPARE(into.at(0).at(0).value<history::Operand>(), history::Operand::A);
        QCOMPARE(into.at(1).at(0).value<history::Operand>(), history::Operand::B);
        QCOMPARE(into.at(1).at(1).toString(), QString::fromStdString(entry.result));

        QSignalSpy copied(history_.get(), &history::History::copied);
        action("copierResultat").trigger();
        QVERIFY(copied.wait());
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(entry.result));

        const QVariant deleted = model().data(model().index(row), Qt::DisplayRole);
        QSignalSpy changed(history_.get(), &history::History::changed);
        action("supprimerEntree").trigger();
        QVERIFY(changed.wait());
        QCOMPARE(model().rowCount(), Entries.size() - 1);
        QVERIFY(model().match(model().index(0), Qt::DisplayRole, deleted).isEmpty());
    }

    // "Effacer l'historique…" asks first; "Non" keeps everything.
    void clearingAsksFirst() {
        QSignalSpy changed(history_.get(), &history::History::changed);
        boxes_->expectBox(QMessageBox::No);
        QTest::mouseClick(window().findChild<QPushButton*>("effacerHistorique"), Qt::LeftButton);
        QCOMPARE(model().rowCount(), Entries.size());
        boxes_->expectBox(QMessageBox::Yes);
        QTest::mouseClick(window().findChild<QPushButton*>("effacerHistorique"), Qt::LeftButton);
        QVERIFY(changed.wait());
        QCOMPARE(model().rowCount(), 0);
        const QList<SeenBox> seen = boxes_->takeSeen();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[0].title, QString("Historique"));
        QCOMPARE(seen[0].text, QString("Effacer tout l'historique des calculs ? Les entrées "
                                       "effacées ne pourront pas être retrouvées."));
        QCOMPARE(seen[0].defaultButton, QString("&Non"));
    }

    // "Exporter…" writes the selected entries, or all, oldest first, every
    // text whole.
    void exportWritesWholeTexts_data() {
        QTest::addColumn<QList<int>>("selectedRows");
        QTest::addColumn<QList<int>>("exported"); // indexes of Entries
        QTest::newRow("nothing selected: all") << QList<int>{} << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("two selected") << QList<int>{0, 3} << QList<int>{1, 4};
    }
    void exportWritesWholeTexts() {
        QFETCH(QList<int>, selectedRows);
        QFETCH(QList<int>, exported);
        for (const int row : selectedRows) {
            list().selectionModel()->select(model().index(row), QItemSelectionModel::Select);
        }
        const QString path = folder_->filePath("export.txt");
        boxes_->expectDialog([&](QWidget& dialog) {
            // Typed into the name field: selectFile() races the dialog's
            // own loading of the folder.
            dialog.findChild<QLineEdit*>("fileNameEdit")->setText(path);
            static_cast<QDialog&>(dialog).accept();
        });
        QSignalSpy written(history_.get(), &history::History::exported);
        QTest::mouseClick(window().findChild<QPushButton*>("exporterHistorique"), Qt::LeftButton);
        QVERIFY(written.wait());
        QCOMPARE(written.at(0).at(0).toString(), path);
        QByteArray expected;
        for (const int index : exported) {
            const Entry& entry = Entries[index];
            expected += history::commandName(entry.command).toUtf8() + " · 07/12/2026 10:15:42 · " +
                        history::durationText(entry.duration).toUtf8() + "\n";
            if (entry.a) {
                expected += (entry.command == Command::DigitPowerSum ? "nombre = " : "a = ") +
                            QByteArray::fromStdString(*entry.a) + "\n";
            }
            if (entry.b) {
                expected += "b = " + QByteArray::fromStdString(*entry.b) + "\n";
            }
            if (entry.precision) {
                expected += "précision = " + QByteArray::number(*entry.precision) + "\n";
            }
            expected += "résultat = " + QByteArray::fromStdString(entry.result) + "\n\n";
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), expected);
    }

    // The settings are remembered; with keeping off nothing is recorded.
    void settingsAreRemembered() {
        window().findChild<QCheckBox*>("garderHistorique")->click();
        auto* entries = window().findChild<QSpinBox*>("entreesMaxHistorique");
        entries->setValue(2);
        boxes_->expectBox(QMessageBox::No);
        emit entries->editingFinished();
        QCOMPARE(entries->value(), 1000);
        entries->setValue(2);
        QSignalSpy changed(history_.get(), &history::History::changed);
        boxes_->expectBox(QMessageBox::Yes);
        emit entries->editingFinished();
        QVERIFY(changed.wait());
        const QList<SeenBox> seen = boxes_->takeSeen();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].text, QString("Avec ces limites, les 3 entrées les plus anciennes seront "
                                       "effacées. Continuer ?"));
        QCOMPARE(model().rowCount(), 2);
        // Every widget of ours is named for tools and screen readers (Qt's
        // own inner parts are named qt_...).
        for (QWidget* named : window().findChildren<QWidget*>()) {
            const QString name = named->objectName();
            QVERIFY2(name.isEmpty() || name.startsWith("qt_") || !named->accessibleName().isEmpty(),
                     qPrintable(name));
        }
        history_->record(Entries[0]);
        history_->waitUntilWritten();
        history_.reset();
        history::History again(places());
        QVERIFY(!again.keeping());
        QCOMPARE(again.limits().entries, 2);
        QCOMPARE(again.limits().megabytes, 500);
        again.showWindow(owner_.get());
        QCOMPARE(again.window(owner_.get()).model().rowCount(), 2);
    }

private:
    history::History::Places places() const {
        return {folder_->path(), folder_->filePath("settings.ini")};
    }
    history::HistoryWindow& window() { return history_->window(owner_.get()); }
    history::HistoryModel& model() { return window().model(); }
    QListView& list() { return *window().findChild<QListView*>("listeHistorique"); }
    QAction& action(const char* name) { return *list().findChild<QAction*>(name); }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<history::History> history_;
    std::unique_ptr<QWidget> owner_;
    std::unique_ptr<MessageBoxCatcher> boxes_;
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
