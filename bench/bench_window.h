// The window as the engine sees it in a benchmark: the fields (b for the
// digit-power sum) and the precision of division.
#pragma once

#include "engine/engine.h"

#include <map>

class BenchWindow : public engine::WindowServices {
public:
    explicit BenchWindow(std::int32_t precision, engine::Text b = {}) : precision_(precision) {
        fields_[engine::Field::Text2] = std::move(b);
    }
    engine::Text readField(engine::Field field) override { return fields_[field]; }
    void writeField(engine::Field field, const engine::Text& text) override {
        fields_[field] = text;
    }
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override { precision_ = digits; }

private:
    std::map<engine::Field, engine::Text> fields_;
    std::int32_t precision_;
};
