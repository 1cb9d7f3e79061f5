// SPDX-License-Identifier: GPL-3.0-or-later
// The Ackermann function A(a, b): closed forms for a from 0 to 4, and the
// recursive definition, run on an explicit stack, for larger a.
#include "engine/digits.h"
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/operand_grammar.h"
#include "engine/power.h"
#include "engine/runtime/job_control.h"

#include <vector>

namespace engine {

namespace {

// The deepest chain of pending first arguments that ackerman accepts. Every
// A(a, b) with a of 5 or more except A(5, 0) needs A(4, b) with b far past 2,
// which the closed form refuses, so a legitimate chain is short.
constexpr std::size_t kMaxPendingCalls = 100'000;

// A number text as a normalised unsigned digit text ("007" gives "7").
Text normalisedNaturalNumber(Text text, const char* what) {
    Text normal = Zeronettoyage(text);
    if (normal.empty() || firstFlawAt(normal, NumberForm::Digits) != Text::npos) {
        throw NotANumber(std::string(what) + " is not a natural number");
    }
    return normal;
}

Text decremented(Text value) {
    Text one = "1";
    return Moinsmoins(value, one);
}

// A normalised first argument below FirstRecursiveAckermannA.
bool hasClosedForm(const Text& m) {
    return m.size() == 1 && m[0] - '0' < FirstRecursiveAckermannA;
}

// 2^exponent - 3 as PuisCalcul and Moinsmoins give it. From the exponent 2 on
// (2^2 - 3 = 1) three is taken from the power on limbs, so that the power is
// never written out and read again.
Text twoToThePowerLessThree(std::int32_t exponent) {
    if (exponent < 2) {
        Text two = "2";
        Text three = "3";
        Text power = PuisCalcul(two, exponent);
        return Moinsmoins(power, three);
    }
    return limbs::toDigits(
        limbs::subtract(detail::power(limbs::Magnitude{2}, exponent), limbs::Magnitude{3}));
}

} // namespace

// A(0, b) = b + 1, A(1, b) = b + 2, A(2, b) = 2b + 3, A(3, b) = 2^(b + 3) - 3,
// A(4, b) = 2^2^...^2 - 3 with b + 3 twos. Any other a gives the empty text.
// Exponents pass through 32-bit integers: A(4, b) for b of 3 or more, and
// A(3, b) for b past 2147483644, are refused at once.
Text AckerSimple(Text& a, Text& b) {
    Text two = "2";
    Text three = "3";
    switch (toInt32OrThrow(a, "a")) {
    case 0: {
        Text one = "1";
        return Plusplus(b, one);
    }
    case 1:
        return Plusplus(b, two);
    case 2: {
        Text doubled = Mulmul(two, b);
        return Plusplus(doubled, three);
    }
    case 3: {
        return twoToThePowerLessThree(toInt32OrThrow(Plusplus(b, three), "b + 3"));
    }
    case 4: {
        const std::int32_t towers = toInt32OrThrow(b, "b");
        if (towers >= 3) {
            throw OutOfRange("A(4, b) for b of 3 or more has an exponent beyond 32 bits");
        }
        Text tower = "4";
        for (std::int32_t i = 0; i < towers; ++i) {
            tower = PuisCalcul(two, toInt32OrThrow(tower, "the exponent"));
        }
        return twoToThePowerLessThree(toInt32OrThrow(tower, "the exponent"));
    }
    default:
        return {};
    }
}

// A(m, n) by the definition A(0, n) = n + 1, A(m, 0) = A(m - 1, 1) and
// A(m, n) = A(m - 1, A(m, n - 1)), with the first arguments still waiting for
// their second kept on a stack of our own rather than the call stack; first
// arguments from 0 to 4 are settled by the closed forms. Both arguments are
// left in their normal form (same value).
Text ackerman(Text& m, Text& n) {
    m = normalisedNaturalNumber(m, "m");
    n = normalisedNaturalNumber(n, "n");
    Text first = m;
    Text second = n;
    std::vector<Text> pending;
    for (;;) {
        checkpoint();
        if (hasClosedForm(first)) {
            second = AckerSimple(first, second);
            if (pending.empty()) {
                return second;
            }
            first = std::move(pending.back());
            pending.pop_back();
        } else if (second == "0") {
            first = decremented(first);
            second.assign(1, '1');
        } else {
            if (pending.size() >= kMaxPendingCalls) {
                throw OutOfRange("Ackermann recursion too deep");
            }
            pending.push_back(decremented(first));
            second = decremented(second);
        }
    }
}

} // namespace engine
