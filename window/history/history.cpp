// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/history/history.h"

#include "window/history/export.h"
#include "window/history/history_file.h"
#include "window/history/history_window.h"
#include "window/history/packed_digits.h"
#include "window/history/writer.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QSettings>

#include <algorithm>
#include <new>

namespace history {

namespace {

const QString KeepKey = QStringLiteral("historique/garder");
const QString EntriesKey = QStringLiteral("historique/entreesMax");
const QString MegabytesKey = QStringLiteral("historique/megaoctetsMax");

std::unique_ptr<QSettings> settingsAt(const QString& file) {
    return file.isEmpty() ? std::make_unique<QSettings>()
                          : std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

History::History(QObject* parent) : History(Places{}, parent) {}

History::History(const Places& places, QObject* parent)
    : QObject(parent), settings_(settingsAt(places.settingsFile)) {
    const QString folder = places.folder.isEmpty() ? defaultFolder() : places.folder;
    filePath_ = QDir(folder).filePath(QLatin1String(FileName));
    keeping_ = settings_->value(KeepKey, true).toBool();
    limits_.entries = settings_->value(EntriesKey, qint64(limits_.entries)).toLongLong();
    limits_.megabytes = settings_->value(MegabytesKey, qint64(limits_.megabytes)).toLongLong();
    writer_ = std::make_unique<Writer>(folder, [this](const QString& text) { tell(text); });
    // Opened at once, so that a file moved aside is told at start.
    writer_->post([](Store& store) { store.open(); });
}

History::~History() {
    writer_.reset();
    // The window belongs to its owner, which may outlive the history: it
    // goes now, out of sight at once.
    if (!window_.isNull()) {
        window_->hide();
        window_->deleteLater();
    }
}

void History::record(Entry entry) {
    if (!keeping_) {
        return;
    }
    writer_->post([this, entry = std::move(entry), limits = limits_](Store& store) {
        if (store.add(entry, limits)) {
            QMetaObject::invokeMethod(this, &History::changed, Qt::QueuedConnection);
        }
    });
}

void History::setKeeping(bool keep) {
    keeping_ = keep;
    settings_->setValue(KeepKey, keep);
}

void History::setLimits(const Limits& limits) {
    limits_ = limits;
    settings_->setValue(EntriesKey, qint64(limits.entries));
    settings_->setValue(MegabytesKey, qint64(limits.megabytes));
    writer_->post([this, limits](Store& store) {
        store.applyLimits(limits);
        QMetaObject::invokeMethod(this, &History::changed, Qt::QueuedConnection);
    });
}

HistoryWindow& History::window(QWidget* owner) {
    if (window_.isNull()) {
        window_ = new HistoryWindow(*this, owner);
    }
    return *window_;
}

void History::showWindow(QWidget* owner) {
    HistoryWindow& shown = window(owner);
    shown.showNewest();
    shown.show();
    shown.raise();
    shown.activateWindow();
}

void History::withTexts(std::int64_t id, std::function<void(PutBack texts)> use) {
    writer_->post([this, id, use = std::move(use)](Store& store) {
        try {
            const std::optional<StoredEntry> entry = store.read(id);
            if (!entry) {
                return;
            }
            PutBack texts;
            if (entry->a && entry->command != Command::DigitPowerSum) {
                texts.a = entry->a->qstring();
            }
            if (entry->b) {
                texts.b = entry->b->qstring();
            }
            texts.precision = entry->precision;
            texts.result = entry->result.qstring();
            QMetaObject::invokeMethod(
                this, [use, texts = std::move(texts)] { use(texts); }, Qt::QueuedConnection);
        } catch (const DamagedNumber&) {
            tell(QStringLiteral("Cette entrée de l'historique est endommagée : elle ne peut pas "
                                "être relue."));
        } catch (const std::bad_alloc&) {
            tell(QStringLiteral("La mémoire ne suffit pas pour relire cette entrée de "
                                "l'historique."));
        }
    });
}

void History::askPutBack(std::int64_t id) {
    withTexts(id, [this](PutBack texts) { emit putBack(texts); });
}

void History::askResultInto(std::int64_t id, Operand operand) {
    withTexts(id, [this, operand](PutBack texts) { emit resultInto(operand, texts.result); });
}

void History::askCopy(std::int64_t id) {
    withTexts(id, [this](PutBack texts) {
        QGuiApplication::clipboard()->setText(texts.result);
        emit copied();
    });
}

void History::remove(std::vector<std::int64_t> ids) {
    writer_->post([this, ids = std::move(ids)](Store& store) {
        store.remove(ids);
        QMetaObject::invokeMethod(this, &History::changed, Qt::QueuedConnection);
    });
}

void History::clear() {
    writer_->post([this](Store& store) {
        store.clear();
        QMetaObject::invokeMethod(this, &History::changed, Qt::QueuedConnection);
    });
}

void History::exportTo(const QString& path, std::vector<std::int64_t> ids) {
    std::sort(ids.begin(), ids.end()); // oldest first
    writer_->post([this, path, ids = std::move(ids)](Store& store) {
        const std::optional<QString> failure =
            exportEntries(store, ids.empty() ? store.ids() : ids, path);
        if (failure) {
            tell(*failure);
        } else {
            QMetaObject::invokeMethod(
                this, [this, path] { emit exported(path); }, Qt::QueuedConnection);
        }
    });
}

void History::waitUntilWritten() {
    writer_->waitUntilIdle();
}

void History::tell(const QString& text) {
    QMetaObject::invokeMethod(
        this, [this, text] { emit message(text); }, Qt::QueuedConnection);
}

} // namespace history
