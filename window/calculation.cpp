#include "window/calculation.h"

#include "window/failure_messages.h"

#include <new>
#include <optional>

namespace window {

void runCalculation(Services& window, const std::function<engine::Text()>& compute) {
    std::optional<Failure> failure;
    try {
        const engine::Text result = compute();
        window.writeField(engine::Field::Text3, result);
        return;
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

    // The operand texts are read only outside the handler, once the failed
    // computation has released what it held.
    QString message;
    if (*failure == Failure::NotANumber) {
        message = notANumberMessage(QString::fromStdString(window.readField(engine::Field::Text1)),
                                    QString::fromStdString(window.readField(engine::Field::Text2)));
    } else {
        message = failureMessage(*failure);
    }
    window.showMessage(message, Buttons::Ok, window.caption());
}

} // namespace window
