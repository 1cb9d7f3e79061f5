#include "window/calculation.h"

#include <new>
#include <optional>

namespace window {

namespace {

// Thrown by integerOperand: the operand in `field` is not a 32-bit integer.
struct NotAnInteger {
    engine::Field field;
};

} // namespace

bool isForbiddenOperand(const engine::Text& operand) {
    const auto firstNonBlank = operand.find_first_not_of(" \t");
    return engine::DecimalYN(operand) ||
           (firstNonBlank != engine::Text::npos && operand[firstNonBlank] == '-');
}

std::int32_t integerOperand(const engine::Text& text, engine::Field field) {
    const auto value = engine::toInt32(text);
    if (!value) {
        throw NotAnInteger{field};
    }
    return *value;
}

void runCalculation(Services& window, Calculation calculation,
                    const std::function<engine::Text()>& compute) {
    std::optional<Failure> failure;
    QChar operand;
    try {
        const engine::Text result = compute();
        window.writeField(engine::Field::Text3, result);
        return;
    } catch (const NotAnInteger& error) {
        failure = Failure::NotAnInteger;
        operand = error.field == engine::Field::Text1 ? u'a' : u'b';
    } catch (const engine::NotANumber&) {
        failure = Failure::NotANumber;
    } catch (const engine::OutOfRange&) {
        failure = Failure::OutOfRange;
    } catch (const engine::Cancelled&) {
        failure = Failure::Cancelled;
    } catch (const std::bad_alloc&) {
        failure = Failure::OutOfMemory;
    } catch (const std::length_error&) {
        // A text grew past what a string can hold.
        failure = Failure::OutOfMemory;
    } catch (const std::exception&) {
        failure = Failure::Other;
    }

    // The field texts are read only here, once the failed computation has
    // released what it held.
    const auto text = [&](engine::Field field) {
        return QString::fromStdString(window.readField(field));
    };
    const FieldTexts fields{text(engine::Field::Text1), text(engine::Field::Text2),
                            text(engine::Field::Text3)};
    window.showMessage(failureMessage(calculation, *failure, fields, operand), Buttons::Ok,
                       window.caption());
}

} // namespace window
