// The window services without a window: fields in a map, boxes recorded, and
// jobs run at once on the calling thread. Handlers run on it exactly as on
// the real window, without any widget.
#pragma once

#include "window/services.h"

#include <QStringList>

#include <map>

class FakeServices : public window::Services {
public:
    engine::Text readField(engine::Field field) override { return fields[field]; }
    void writeField(engine::Field field, const engine::Text& text) override {
        fields[field] = text;
        if (field == engine::Field::Text4) {
            if (const auto digits = engine::toInt32(text)) {
                precision_ = *digits;
            }
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
    QDateTime now() const override { return {}; }
    QString programFolder() const override { return {}; }
    std::optional<window::WriteError> writeTextLine(const QString&, const QString&) override {
        return std::nullopt;
    }
    void closeWindow() override {}
    void runJob(const QString&, const std::function<void()>& job) override { job(); }

    std::map<engine::Field, engine::Text> fields;
    QStringList messages;

private:
    std::int32_t precision_ = 50;
};
