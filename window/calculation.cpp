#include "window/calculation.h"

#include "window/job_fields.h"
#include "window/operand_text.h"

#include <new>
#include <optional>

namespace window {

namespace {

// Thrown by refuseOperand: the operand in `field` is refused for `failure`.
struct RefusedOperand {
    engine::Field field;
    Failure failure;
};

} // namespace

engine::Text readOperand(Services& window, engine::Field field) {
    return operandText(window.readField(field));
}

void refuseOperand(engine::Field field, Failure failure) {
    throw RefusedOperand{field, failure};
}

bool isForbiddenOperand(const engine::Text& operand) {
    const auto firstNonBlank = operand.find_first_not_of(" \t");
    return engine::DecimalYN(operand) ||
           (firstNonBlank != engine::Text::npos && operand[firstNonBlank] == '-');
}

std::int32_t integerOperand(const engine::Text& text, engine::Field field) {
    const auto value = engine::toInt32(text);
    if (!value) {
        refuseOperand(field, Failure::NotAnInteger);
    }
    return *value;
}

std::optional<engine::Text> computeResult(Services& window, Calculation calculation,
                                          const Computation& compute) {
    JobFields fields(window);
    std::optional<Failure> failure;
    QChar operand;
    try {
        engine::Text result;
        window.runJob(calculationInProgress(calculation), [&] { result = compute(fields); });
        fields.applyTo(window);
        return result;
    } catch (const engine::Cancelled&) {
        return std::nullopt; // stopped by the user, who knows it: nothing to say
    } catch (const RefusedOperand& error) {
        failure = error.failure;
        operand = error.field == engine::Field::Text1 ? u'a' : u'b';
    } catch (const engine::NotANumber&) {
        failure = Failure::NotANumber;
    } catch (const engine::OutOfRange&) {
        failure = Failure::OutOfRange;
    } catch (const std::bad_alloc&) {
        failure = Failure::OutOfMemory;
    } catch (const std::length_error&) {
        // A text grew past what a string can hold.
        failure = Failure::OutOfMemory;
    } catch (const std::exception&) {
        failure = Failure::Other;
    }
    // What the computation wrote before it failed shows, as it always did.
    fields.applyTo(window);

    // The field texts are read only here, once the failed computation has
    // released what it held.
    const auto text = [&](engine::Field field) {
        return QString::fromStdString(window.readField(field));
    };
    const FieldTexts texts{text(engine::Field::Text1), text(engine::Field::Text2),
                           text(engine::Field::Text3)};
    window.showMessage(failureMessage(calculation, *failure, texts, operand), Buttons::Ok,
                       window.caption());
    return std::nullopt;
}

void runCalculation(Services& window, Calculation calculation, const Computation& compute) {
    if (const auto result = computeResult(window, calculation, compute)) {
        window.writeField(engine::Field::Text3, *result);
    }
}

} // namespace window
