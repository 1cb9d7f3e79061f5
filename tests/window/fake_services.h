// SPDX-License-Identifier: GPL-3.0-or-later
// The window services without a window: fields in a map, boxes recorded, jobs
// run at once on the calling thread, and writing Text4 runs the precision
// handler. Handlers run on it as on the real window, without any widget.
#pragma once

#include "window/commands.h"

#include <QStringList>

#include <map>
#include <vector>

class FakeServices : public window::Services {
public:
    engine::Text readField(window::Field field) override { return fields[field]; }
    void writeField(window::Field field, const engine::Text& text) override {
        fields[field] = text;
        ++writes[field];
        if (field == window::Field::Text4) {
            window::precisionChanged(*this);
        }
    }
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override { precision_ = digits; }
    QString caption() const override { return QStringLiteral("caption"); }
    window::Answer showMessage(const QString& text, window::Buttons, const QString&) override {
        messages.append(text);
        return window::Answer::Ok;
    }
    bool openWebPage(const QString&) override { return true; }
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 6), QTime(9, 0)); }
    QString programFolder() const override { return {}; }
    std::optional<std::uint64_t> availableMemory() const override { return {}; }
    QString homeFolder() const override { return {}; }
    QString documentsFolder() override { return {}; }
    bool exists(const QString&) const override { return false; }
    QString resolvedPath(const QString& path) const override { return path; }
    std::optional<window::WriteError> writeTextLine(const QString&, const QString&) override {
        return {};
    }
    void recordCalculation(history::Entry entry) override { recorded.push_back(std::move(entry)); }
    void closeWindow() override {}
    bool runJob(const QString&, const std::function<void()>& job) override {
        job();
        return true;
    }

    std::map<window::Field, engine::Text> fields;
    std::map<window::Field, int> writes;
    QStringList messages;
    std::vector<history::Entry> recorded;

private:
    std::int32_t precision_ = 50;
};
