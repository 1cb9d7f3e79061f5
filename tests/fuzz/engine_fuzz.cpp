// libFuzzer target for the engine: every procedure of engine/engine.h gets
// the input's two texts, with a small precision, exponent and multiplier
// taken from its parameter bytes (see fuzz_input.h). A procedure must return
// a whole text or throw an engine::Error; any other exception, a malformed
// result or a wrong value (checked modulo a prime, and for the quotient by
// its remainder) stops the run with a message.
#include "fuzz_input.h"

#include "engine/engine.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <typeinfo>

namespace {

using engine::Field;
using engine::Text;

[[noreturn]] void fail(const char* what, const std::string& why) {
    std::fprintf(stderr, "\n*** %s: %s\n", what, why.c_str());
    std::abort();
}

void expect(bool holds, const char* what, const std::string& detail) {
    if (!holds) {
        fail(what, detail);
    }
}

// Runs one call: it must end normally or in an engine::Error.
template <class Call> void call(const char* what, Call&& body) {
    try {
        body();
    } catch (const engine::Error&) {
    } catch (const std::exception& e) {
        fail(what, std::string("threw ") + typeid(e).name() + ": " + e.what());
    } catch (...) {
        fail(what, "threw something that is not a std::exception");
    }
}

bool allDigits(std::string_view t) {
    return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// An optional "+", an optional "-" (with `minus`), digits and one point at
// most: every text that a procedure may take as a number has this form.
bool looksLikeNumber(std::string_view t, bool minus) {
    if (t.starts_with('+')) {
        t.remove_prefix(1);
    }
    if (minus && t.starts_with('-')) {
        t.remove_prefix(1);
    }
    const auto point = t.find('.');
    return allDigits(t.substr(0, point)) &&
           (point == std::string_view::npos || allDigits(t.substr(point + 1)));
}

// An optional "-" and digits, possibly none: what the integer kernels take as it is.
bool isPlainInteger(std::string_view t) {
    if (t.starts_with('-')) {
        t.remove_prefix(1);
    }
    return allDigits(t);
}

// An optional "-", then at least one digit: a whole integer result.
bool isIntegerResult(std::string_view t) {
    return isPlainInteger(t) && !t.empty() && t != "-";
}

// An optional "-", digits, and a point with digits after it or none.
bool isDecimalResult(std::string_view t) {
    const auto point = t.find('.');
    if (point == std::string_view::npos) {
        return isIntegerResult(t);
    }
    return isIntegerResult(t.substr(0, point)) && point + 1 < t.size() &&
           allDigits(t.substr(point + 1));
}

// Values modulo a prime: a wrong digit anywhere changes them.
constexpr std::uint64_t Prime = 1'000'000'007;

std::uint64_t residue(std::string_view t) {
    const bool negative = t.starts_with('-');
    std::uint64_t r = 0;
    for (const char c : t) {
        if (c >= '0' && c <= '9') {
            r = (r * 10 + static_cast<std::uint64_t>(c - '0')) % Prime;
        }
    }
    return negative ? (Prime - r) % Prime : r;
}

std::uint64_t residue(std::int64_t value) {
    const auto r = static_cast<std::int64_t>(Prime);
    return static_cast<std::uint64_t>((value % r + r) % r);
}

std::uint64_t power(std::uint64_t base, std::int64_t exponent) {
    std::uint64_t result = 1;
    for (; exponent > 0; --exponent) {
        result = result * base % Prime;
    }
    return result;
}

// toInt32 again, with the standard library's parser.
std::optional<std::int32_t> referenceInt32(std::string_view t) {
    const auto first = t.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    t = t.substr(first, t.find_last_not_of(" \t") - first + 1);
    if (t.starts_with('+')) {
        t.remove_prefix(1);
        if (t.starts_with('-')) {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(t.data(), t.data() + t.size(), value);
    if (error != std::errc() || end != t.data() + t.size()) {
        return std::nullopt;
    }
    return value;
}

class FakeWindow final : public engine::WindowServices {
public:
    Text readField(Field field) override { return fields[static_cast<int>(field)]; }
    void writeField(Field field, const Text& text) override {
        fields[static_cast<int>(field)] = text;
        if (field == Field::Text4) {
            if (const auto digits = engine::toInt32(text)) {
                precision_ = *digits;
            }
        }
    }
    std::int32_t precision() const override { return precision_; }
    void setPrecision(std::int32_t digits) override { precision_ = digits; }

    Text fields[4];

private:
    std::int32_t precision_ = 50;
};

void numberTexts(const Text& a, const Text& b) {
    call("toInt32", [&] { expect(engine::toInt32(a) == referenceInt32(a), "toInt32", a); });
    call("texts", [&] {
        engine::Verif(a);
        engine::DecimalYN(a);
        engine::Paszerodebut(a);
        engine::Compnb(a, b);
        engine::Analysesort(a);
        Text x = a;
        engine::Zeronettoyage(x);
        FakeWindow window;
        window.fields[0] = a;
        window.fields[1] = b;
        engine::Verifab(window);
        expect(window.fields[0] == engine::Verif(a) && window.fields[1] == engine::Verif(b),
               "Verifab", a + " | " + b);
    });
    call("decimal split", [&] {
        Text x = a;
        std::int32_t count = 0;
        engine::Entdecimal(x, count);
        x = a;
        engine::Partdecimale(x);
        x = a;
        engine::SansVirgule(x);
        x = b;
        engine::ResuPartiel(a, x);
    });
}

// A procedure that returned has taken both texts as numbers.
void expectNumbers(const char* what, const Text& a, const Text& b) {
    expect(looksLikeNumber(a, true) && looksLikeNumber(b, true), what,
           "took a text that is no number: " + a + " | " + b);
}

void sumAndDifference(const Text& a, const Text& b) {
    const bool checked = isPlainInteger(a) && isPlainInteger(b);
    call("Plusplus", [&] {
        Text x = a;
        Text y = b;
        const Text r = engine::Plusplus(x, y);
        expectNumbers("Plusplus", a, b);
        expect(!checked || (isIntegerResult(r) && residue(r) == (residue(a) + residue(b)) % Prime),
               "Plusplus", a + " + " + b + " = " + r);
    });
    call("Moinsmoins", [&] {
        Text x = a;
        Text y = b;
        const Text r = engine::Moinsmoins(x, y);
        expectNumbers("Moinsmoins", a, b);
        expect(!checked ||
                   (isIntegerResult(r) && residue(r) == (residue(a) + Prime - residue(b)) % Prime),
               "Moinsmoins", a + " - " + b + " = " + r);
    });
}

void products(const Text& a, const Text& b, std::int32_t multiplier) {
    call("MulCalcul", [&] {
        Text x = a;
        const Text r = engine::MulCalcul(x, multiplier);
        expect(x == a, "MulCalcul changed its argument", a);
        expect(!isPlainInteger(a) ||
                   ((isPlainInteger(r)) && residue(r) == residue(a) * residue(multiplier) % Prime),
               "MulCalcul", a + " * " + std::to_string(multiplier) + " = " + r);
    });
    call("Mulmul", [&] {
        Text x = a;
        Text y = b;
        const Text r = engine::Mulmul(x, y);
        expectNumbers("Mulmul", a, b);
        expect(isDecimalResult(r), "Mulmul gave no number", a + " * " + b + " = " + r);
        expect(!isPlainInteger(a) || !isPlainInteger(b) ||
                   residue(r) == residue(a) * residue(b) % Prime,
               "Mulmul", a + " * " + b + " = " + r);
        x = a;
        const Text square = engine::Mulmul(x, x);
        expect(!isPlainInteger(a) || residue(square) == residue(a) * residue(a) % Prime,
               "Mulmul(x, x)", a + " = " + square);
    });
}

// 0 <= |a| * 10^f - Q * |b| < |b|, where Q is the quotient's digits and f
// the number of them after its point: the quotient is |a| / |b| cut.
void checkQuotient(const Text& a, const Text& b, const Text& q, std::int32_t precision) {
    const std::string what = a + " / " + b + " = " + q;
    Text absA = a.starts_with('-') ? a.substr(1) : a;
    Text absB = b.starts_with('-') ? b.substr(1) : b;
    if (absB.find_first_not_of('0') == Text::npos) {
        expect(q == "Division impossible", "Divdiv by zero", what);
        return;
    }
    expect(isDecimalResult(q), "Divdiv gave no number", what);
    const bool nonzero = absA.find_first_not_of('0') != Text::npos;
    expect(!nonzero || q.starts_with('-') == (a.starts_with('-') != b.starts_with('-')),
           "Divdiv sign", what);
    const auto point = q.find('.');
    const std::size_t fraction = point == Text::npos ? 0 : q.size() - point - 1;
    // A zero dividend ends at once, with as many zeros as the divisor asks
    // for, before the precision is looked at (or raised to 50).
    expect(fraction <= static_cast<std::size_t>(std::max(precision, 50)) + 1 ||
               (!nonzero && fraction <= absB.size()),
           "Divdiv too many digits", what);
    Text digits;
    std::copy_if(q.begin(), q.end(), std::back_inserter(digits),
                 [](char c) { return c >= '0' && c <= '9'; });
    Text scaled = absA + Text(fraction, '0');
    Text product = engine::Mulmul(digits, absB);
    Text remainder = engine::Moinsmoins(scaled, product);
    Text normalB = engine::Zeronettoyage(absB);
    const bool below = remainder.size() < normalB.size() ||
                       (remainder.size() == normalB.size() && !engine::Compnb(remainder, normalB));
    expect(!remainder.starts_with('-') && below, "Divdiv remainder", what + " leaves " + remainder);
}

void quotients(const Text& a, const Text& b, int precision) {
    call("Divdiv", [&] {
        FakeWindow window;
        window.setPrecision(precision);
        Text x = a;
        Text y = b;
        const Text q = engine::Divdiv(x, y, window);
        expectNumbers("Divdiv", a, b);
        if (isPlainInteger(a) && isPlainInteger(b)) {
            checkQuotient(a, b, q, window.precision());
        }
    });
    call("Quotient1chif", [&] {
        Text divisor = b;
        Text reste;
        const auto digit = engine::Quotient1chif(a, divisor, reste);
        expect(digit >= 0 && digit <= 9, "Quotient1chif", a + " / " + b);
    });
    call("Quotient2chif", [&] {
        Text divisor = b;
        Text reste;
        const auto digit = engine::Quotient2chif(a, divisor, reste);
        expect(digit >= 0 && digit <= 9, "Quotient2chif", a + " / " + b);
    });
}

void powers(const Text& a, const Text& b, std::int32_t exponent, std::int32_t n) {
    call("PuisCalcul", [&] {
        Text x = a;
        const Text r = engine::PuisCalcul(x, exponent);
        const std::string what = a + " ^ " + std::to_string(exponent) + " = " + r;
        if (exponent == 1) {
            expect(r == a, "PuisCalcul", what);
        } else if (exponent < 0) {
            expect(r.empty(), "PuisCalcul", what);
        } else if (allDigits(a)) {
            expect(isIntegerResult(r) && residue(r) == power(residue(a), exponent), "PuisCalcul",
                   what);
        }
        expect(exponent == 0 || looksLikeNumber(a, false), "PuisCalcul took no number", what);
    });
    call("sommepuis", [&] {
        FakeWindow window;
        const auto typed = engine::toInt32(b);
        window.fields[1] = typed && *typed <= 100 ? b : std::to_string(exponent);
        const Text r = engine::sommepuis(a, window);
        const auto e = *engine::toInt32(window.fields[1]);
        std::uint64_t sum = 0;
        for (const char c : a) {
            sum = (sum + (e < 0 ? 0 : power(residue(std::int64_t{c - '0'}), e))) % Prime;
        }
        // "0" is a form of its own: the sum of no digit.
        expect(!allDigits(a) || a == "0" || (isIntegerResult(r) && residue(r) == sum), "sommepuis",
               a + " with b = " + window.fields[1] + " gives " + r);
    });
    call("factorial", [&] {
        const Text r = engine::factorial(n);
        std::uint64_t expected = 1;
        for (std::int64_t i = 2; i <= n; ++i) {
            expected = expected * static_cast<std::uint64_t>(i) % Prime;
        }
        expect(isIntegerResult(r) && residue(r) == expected, "factorial", std::to_string(n));
    });
}

// The closed forms of A(a, b) for a from 0 to 3, modulo the prime; nothing for others.
std::optional<std::uint64_t> ackermannResidue(const Text& a, const Text& b) {
    if (a.size() != 1 || a[0] < '0' || a[0] > '3' || b.empty() || !allDigits(b)) {
        return std::nullopt;
    }
    const std::uint64_t n = residue(b);
    switch (a[0]) {
    case '0':
        return (n + 1) % Prime;
    case '1':
        return (n + 2) % Prime;
    case '2':
        return (2 * n + 3) % Prime;
    default:
        return (power(2, std::stoll(b) + 3) + Prime - 3) % Prime;
    }
}

void ackermann(const Text& a, const Text& b) {
    // Longer texts could ask for powers of millions of digits or for
    // recursions of 100,000 steps (seconds under the sanitizers): they are
    // refused or computed in the same code as these.
    if (a.size() > 7 || b.size() > 5) {
        return;
    }
    const auto expected = ackermannResidue(a, b);
    call("AckerSimple", [&] {
        Text x = a;
        Text y = b;
        const Text r = engine::AckerSimple(x, y);
        expect(!expected || residue(r) == *expected, "AckerSimple", a + ", " + b + ": " + r);
    });
    call("ackerman", [&] {
        if (a.size() > 3 || b.size() > 3) {
            return;
        }
        Text x = a;
        Text y = b;
        const Text r = engine::ackerman(x, y);
        expect(isIntegerResult(r) && (!expected || residue(r) == *expected), "ackerman",
               a + ", " + b + ": " + r);
    });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fuzz::Input input(data, size, 2);
    const Text& a = input.text(0);
    const Text& b = input.text(1);
    numberTexts(a, b);
    sumAndDifference(a, b);
    products(a, b, input.int32(2));
    quotients(a, b, input.byte(0) * 4);
    powers(a, b, input.byte(1) % 40, input.byte(6) * 16 + input.byte(7) % 16);
    ackermann(a, b);
    return 0;
}
