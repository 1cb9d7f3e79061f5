// SPDX-License-Identifier: GPL-3.0-or-later
// The history of calculations, as the main window uses it: it records each
// calculation that wrote the result field, keeps its settings, owns the
// history window, and says what the window asked for through its signals.
//
// Everything that touches the file runs on the history's own thread
// (writer.h): record() only moves the entry's texts into its queue. Answers
// come back as signals on the window's thread.
#pragma once

#include "window/history/entry.h"
#include "window/history/store.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <memory>
#include <vector>

class QSettings;
class QWidget;

namespace history {

class HistoryWindow;
class Writer;

// The operand field that a result goes into.
enum class Operand { A, B };

class History : public QObject {
    Q_OBJECT

public:
    // Where the file and the settings live; empty: the user's data folder
    // (QStandardPaths::AppDataLocation) and the program's QSettings.
    struct Places {
        QString folder;
        QString settingsFile;
    };
    explicit History(QObject* parent = nullptr);
    explicit History(const Places& places, QObject* parent = nullptr);
    // Finishes writing what was recorded.
    ~History() override;

    // Records a calculation, unless keeping is off or recording has paused.
    // Returns at once: the entry is written on the history's thread.
    void record(Entry entry);

    // "Garder l'historique": on unless the user turned it off, remembered.
    bool keeping() const { return keeping_; }
    void setKeeping(bool keep);
    Limits limits() const { return limits_; }
    // Remembered; the oldest entries beyond them are dropped at once.
    void setLimits(const Limits& limits);
    QString filePath() const { return filePath_; }

    // The history window, made at the first call as a window of its own
    // owned by `owner` (so that it closes with it), and deleted with the
    // history at the latest.
    HistoryWindow& window(QWidget* owner);
    // Shows it, raised, with the newest entries.
    void showWindow(QWidget* owner);

    // What the history window asks; each answers later, by a signal.
    void askPutBack(std::int64_t id);
    void askResultInto(std::int64_t id, Operand operand);
    void askCopy(std::int64_t id);
    void remove(std::vector<std::int64_t> ids);
    void clear();
    // Writes the entries `ids` (all of them when empty), oldest first, to the
    // text file at `path`.
    void exportTo(const QString& path, std::vector<std::int64_t> ids);

    // Returns once everything asked so far is done and its signals are
    // queued (tests, benchmarks).
    void waitUntilWritten();

signals:
    // Put a, b, the precision and the result back into their fields (each
    // present part; see PutBack).
    void putBack(const history::PutBack& texts);
    // Put the result into the field of a or of b.
    void resultInto(history::Operand operand, const QString& result);
    // The result is on the clipboard.
    void copied();
    // A box to show: the file was moved aside, recording paused, an entry
    // could not be read, an export failed.
    void message(const QString& text);
    // Entries were added or removed.
    void changed();
    // An export is written.
    void exported(const QString& path);

private:
    void tell(const QString& text);
    // Reads the entry `id` on the history's thread and hands its texts to
    // `use` on the window's thread.
    void withTexts(std::int64_t id, std::function<void(PutBack texts)> use);

    QString filePath_;
    std::unique_ptr<QSettings> settings_;
    bool keeping_ = true;
    Limits limits_;
    QPointer<HistoryWindow> window_;
    std::unique_ptr<Writer> writer_; // last: ends first, before what its tasks use
};

} // namespace history

Q_DECLARE_METATYPE(history::PutBack)
