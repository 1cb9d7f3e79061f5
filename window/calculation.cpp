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

engine::operations::Resources resourcesOf(const Services& window) {
    constexpr double WindowBytesPerResultDigit = 3;
    return {window.availableMemory(), WindowBytesPerResultDigit};
}

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

void recordCalculation(Services& window, Calculation calculation, Operands&& read,
                       Outcome&& outcome, std::chrono::milliseconds took) {
    history::Entry entry;
    entry.command = calculation;
    entry.a = outcome.a ? std::move(outcome.a) : std::move(read.a);
    entry.b = outcome.b ? std::move(outcome.b) : std::move(read.b);
    entry.precision = outcome.precision;
    entry.result = std::move(std::get<engine::Text>(outcome.result));
    entry.finishedAt = window.now();
    entry.duration = took;
    window.recordCalculation(std::move(entry));
}

} // namespace window
