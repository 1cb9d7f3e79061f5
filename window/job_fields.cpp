#include "window/job_fields.h"

#include "window/operand_text.h"

#include <stdexcept>

namespace window {

using engine::Field;

JobFields::JobFields(Services& window)
    : b_(operandText(window.readField(Field::Text2))),
      precisionText_(window.readField(Field::Text4)), precision_(window.precision()) {}

engine::Text JobFields::readField(Field field) {
    switch (field) {
    case Field::Text2:
        return b_;
    case Field::Text4:
        return precisionText_;
    case Field::Text1:
    case Field::Text3:
        break;
    }
    throw std::logic_error("a job read a field that was not captured for it");
}

void JobFields::writeField(Field field, const engine::Text& text) {
    writes_.push_back({field, text});
    switch (field) {
    case Field::Text2:
        b_ = text;
        break;
    case Field::Text4:
        // What the precision handler does when the write is made on the window.
        precisionText_ = text;
        if (const auto digits = engine::toInt32(text)) {
            precision_ = *digits;
        }
        break;
    case Field::Text1:
    case Field::Text3:
        break;
    }
}

void JobFields::setPrecision(std::int32_t digits) {
    writes_.push_back({std::nullopt, {}, digits});
    precision_ = digits;
}

void JobFields::applyTo(Services& window) const {
    for (const Write& write : writes_) {
        if (write.field) {
            window.writeField(*write.field, write.text);
        } else {
            window.setPrecision(write.precision);
        }
    }
}

} // namespace window
