// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/calculation.h"

#include "window/box_texts.h"
#include "window/progress_texts.h"

#include <string>

namespace window {

namespace {

using engine::operations::Outcome;
using engine::operations::Refusal;

const Refusal* refusalOf(const Outcome& outcome) {
    return std::get_if<Refusal>(&outcome.result);
}

} // namespace

bool runCommandJob(Services& window, Calculation calculation, const std::function<void()>& job) {
    return window.runJob(calculationInProgress(calculation), job);
}

bool writeOutcome(Services& window, Calculation calculation, Outcome& outcome) {
    if (outcome.a) {
        window.writeField(Field::Text1, *outcome.a);
    }
    if (outcome.b) {
        window.writeField(Field::Text2, *outcome.b);
    }
    const Refusal* refusal = refusalOf(outcome);
    if (refusal != nullptr && refusal->kind == Refusal::Kind::Stopped) {
        return false;
    }
    if (outcome.precision && *outcome.precision != window.precision()) {
        window.setPrecision(*outcome.precision);
        window.writeField(Field::Text4, std::to_string(*outcome.precision));
    }
    if (refusal != nullptr) {
        window.showMessage(refusalMessage(calculation, *refusal), Buttons::Ok, window.caption());
        return false;
    }
    return true;
}

} // namespace window
