// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target for the engine: every procedure of engine/engine.h gets
// the input's two texts, with a small precision, exponent and multiplier from
// its parameter bytes (fuzz_input.h). A procedure must end in a whole result
// or an engine::Error; a result must have its procedure's form, and one that
// gave a number must have been given numbers. Values are the GMP tests'.
#include "fuzz_input.h"

#include "engine/engine.h"

namespace {

using engine::Text;
using fuzz::expect;

// Runs one call: it must end normally or in an engine::Error.
template <class Call> void call(const char* what, const Text& a, const Text& b, Call&& body) {
    try {
        body();
    } catch (const engine::Error&) {
    } catch (const std::exception& e) {
        fuzz::expect(false, what, "[" + a + "], [" + b + "] threw " + e.what());
    }
}

// A procedure of two texts that gave a result was given two numbers, and
// gave one (with `point`, maybe decimal) or `refusal`; also on one variable twice.
template <class Procedure>
void twoNumbers(const char* what, const Text& a, const Text& b, Procedure procedure, bool point,
                const char* refusal = "") {
    call(what, a, b, [&] {
        Text x = a;
        Text y = b;
        const Text r = procedure(x, y);
        expect(fuzz::isNumber(a, true, true) && fuzz::isNumber(b, true, true), what,
               "took [" + a + "], [" + b + "]");
        expect(r == refusal || fuzz::isResult(r, point), what, a + ", " + b + " gave " + r);
        procedure(x = a, x);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size, 2);
    const Text& a = input.text(0);
    const Text& b = input.text(1);
    call("texts", a, b, [&] {
        Text x = a;
        Text y = b;
        std::int32_t count = 0;
        engine::Verif(a), engine::DecimalYN(a), engine::Paszerodebut(a), engine::Compnb(a, b);
        engine::Analysesort(a), engine::toInt32(a), engine::Zeronettoyage(x);
        engine::Entdecimal(x = a, count), engine::Partdecimale(x = a), engine::SansVirgule(x = a);
        engine::ResuPartiel(a, x = b);
        expect(engine::Quotient1chif(a, y, x) <= 9 && engine::Quotient2chif(a, y = b, x) <= 9,
               "quotient digits", a + " / " + b);
    });
    twoNumbers("Plusplus", a, b, engine::Plusplus, false);
    twoNumbers("Moinsmoins", a, b, engine::Moinsmoins, false);
    twoNumbers("Mulmul", a, b, engine::Mulmul, true);
    std::int32_t precision = input.byte(0) * 4;
    const auto divdiv = [&](Text& x, Text& y) { return engine::Divdiv(x, y, precision); };
    twoNumbers("Divdiv", a, b, divdiv, true, "Division impossible");
    call("MulCalcul", a, b, [&] {
        Text x = a;
        const Text r = engine::MulCalcul(x, input.int32(2));
        expect(x == a && (r.empty() || fuzz::isResult(r, false)), "MulCalcul", a + " gave " + r);
    });
    const std::int32_t exponent = input.byte(1) % 40;
    call("PuisCalcul", a, b, [&] {
        Text x = a;
        const Text r = engine::PuisCalcul(x, exponent);
        expect(exponent == 1  ? r == a
               : exponent < 0 ? r.empty()
                              : fuzz::isDigits(r),
               "PuisCalcul", a + " ^ " + std::to_string(exponent) + " gave " + r);
    });
    call("sommepuis", a, b, [&] {
        const Text exponentText = b.size() < 3 ? b : std::to_string(exponent);
        expect(fuzz::isDigits(engine::sommepuis(a, exponentText)), "sommepuis", a);
    });
    const std::int32_t n = input.byte(6) * 16 + input.byte(7) % 16;
    call("factorial", a, b,
         [&] { expect(fuzz::isDigits(engine::factorial(n)), "factorial", std::to_string(n)); });
    // Longer texts could ask for powers of millions of digits or for long
    // recursions: they are refused or computed by the same code as these.
    if (a.size() <= 3 && b.size() <= 3) {
        Text x = a;
        Text y = b;
        call("AckerSimple", a, b, [&] {
            const Text r = engine::AckerSimple(x, y);
            expect(r.empty() || fuzz::isResult(r, false), "AckerSimple",
                   a + ", " + b + " gave " + r);
        });
        call("ackerman", a, b, [&] {
            expect(fuzz::isDigits(engine::ackerman(x = a, y = b)), "ackerman", a + ", " + b);
        });
    }
    return 0;
}
