#include "engine/digits.h"
#include "engine/progress.h"

#include <algorithm>
#include <cassert>
#include <limits>
#include <vector>

namespace engine::detail {

void requireDigits(std::string_view text) {
    // One pass without an early exit, which the compiler can vectorise; the
    // offending character is looked for only when there is one.
    unsigned char outside = 0;
    for (const char c : text) {
        outside |= static_cast<unsigned char>(static_cast<unsigned char>(c - '0') > 9);
    }
    if (outside != 0) {
        for (const char c : text) {
            digitValue(c);
        }
    }
}

void requireSignedDigits(std::string_view text) {
    if (text.starts_with('-')) {
        text.remove_prefix(1);
    }
    requireDigits(text);
}

void requireDecimalDigits(std::string_view text) {
    const auto point = text.find('.');
    if (point == std::string_view::npos) {
        requireDigits(text);
        return;
    }
    requireDigits(text.substr(0, point));
    requireDigits(text.substr(point + 1));
}

bool normaliseAndTakeSigns(Text& ent, Text& ent2) {
    ent = Zeronettoyage(ent);
    ent2 = Zeronettoyage(ent2);
    const bool firstNegative = startsWithMinus(ent);
    const bool secondNegative = startsWithMinus(ent2);
    if (firstNegative) {
        ent.erase(0, 1);
    }
    if (secondNegative) {
        ent2.erase(0, 1);
    }
    return firstNegative != secondNegative;
}

std::int32_t length32(std::size_t length) {
    if (length > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        throw OutOfRange("text longer than a 32-bit length");
    }
    return static_cast<std::int32_t>(length);
}

std::int32_t checkedAdd(std::int32_t a, std::int32_t b) {
    std::int32_t sum = 0;
    if (__builtin_add_overflow(a, b, &sum)) {
        throw OutOfRange("32-bit sum overflows");
    }
    return sum;
}

std::int32_t toInt32OrThrow(const Text& text, const char* what) {
    if (const auto value = toInt32(text)) {
        return *value;
    }
    // Blanks, a sign and digits that only fail on range are a number too large.
    const auto first = text.find_first_not_of(" \t");
    const auto last = text.find_last_not_of(" \t");
    if (first != Text::npos) {
        std::string_view core(text.data() + first, last - first + 1);
        if (core.front() == '-' || core.front() == '+') {
            core.remove_prefix(1);
        }
        if (!core.empty() && std::all_of(core.begin(), core.end(), isDigit)) {
            throw OutOfRange(std::string(what) + " is beyond the 32-bit range");
        }
    }
    throw NotANumber(std::string(what) + " is not a whole number");
}

Text addMagnitudes(std::string_view a, std::string_view b) {
    const std::size_t n = std::max(a.size(), b.size());
    // Written from the right into a sized buffer; position 0 takes the final carry.
    Text sum(n + 1, '0');
    int carry = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const int x = i <= a.size() ? digitValue(a[a.size() - i]) : 0;
        const int y = i <= b.size() ? digitValue(b[b.size() - i]) : 0;
        const int s = x + y + carry;
        sum[n + 1 - i] = static_cast<char>('0' + s % 10);
        carry = s / 10;
    }
    if (carry == 0) {
        sum.erase(0, 1);
    } else {
        sum[0] = '1';
    }
    return sum;
}

Text subtractMagnitudes(std::string_view larger, std::string_view smaller) {
    const std::size_t n = larger.size();
    Text difference(n, '0');
    int borrow = 0;
    for (std::size_t i = 1; i <= n; ++i) {
        const int x = digitValue(larger[n - i]);
        const int y = i <= smaller.size() ? digitValue(smaller[smaller.size() - i]) : 0;
        int d = x - y - borrow;
        borrow = d < 0 ? 1 : 0;
        if (borrow != 0) {
            d += 10;
        }
        difference[n - i] = static_cast<char>('0' + d);
    }
    assert(borrow == 0 && "the larger magnitude must come first");
    return difference;
}

namespace {

// Column sums are held in 16 bits so that the inner loop vectorises; one row
// adds at most 81 to a column, so carries are propagated every kRowsPerFlush
// rows, before any column can pass 65535.
constexpr std::size_t kRowsPerFlush = 800;

std::vector<std::uint16_t> digitsUnitsFirst(std::string_view text) {
    std::vector<std::uint16_t> digits(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        digits[i] = static_cast<std::uint16_t>(digitValue(text[text.size() - 1 - i]));
    }
    return digits;
}

// Leaves every column below 10, carrying into the columns above.
void propagateCarries(std::vector<std::uint16_t>& columns) {
    std::uint32_t carry = 0;
    for (auto& column : columns) {
        const std::uint32_t value = column + carry;
        column = static_cast<std::uint16_t>(value % 10);
        carry = value / 10;
    }
}

// A single row: one pass from the units with the carry, as powers of small
// bases do many times.
Text multiplyByDigit(std::string_view a, int digit) {
    Text product(a.size() + 1, '0');
    int carry = 0;
    for (std::size_t i = a.size(); i-- > 0;) {
        const int step = digitValue(a[i]) * digit + carry;
        product[i + 1] = static_cast<char>('0' + step % 10);
        carry = step / 10;
    }
    product[0] = static_cast<char>('0' + carry);
    const auto firstNonZero = product.find_first_not_of('0');
    product.erase(0, std::min(firstNonZero, product.size() - 1));
    return product;
}

} // namespace

Text multiplyMagnitudes(std::string_view a, std::string_view b) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    if (b.size() == 1) {
        return multiplyByDigit(a, digitValue(b.front()));
    }
    const std::vector<std::uint16_t> multiplicand = digitsUnitsFirst(a);
    const std::vector<std::uint16_t> multiplier = digitsUnitsFirst(b);
    std::vector<std::uint16_t> columns(a.size() + b.size() + 1, 0);

    const std::size_t n = multiplicand.size();
    ProgressSteps steps(static_cast<std::int64_t>(multiplier.size()));
    for (std::size_t j = 0; j < multiplier.size(); ++j) {
        steps.advance();
        const std::uint16_t digit = multiplier[j];
        std::uint16_t* row = columns.data() + j;
        for (std::size_t i = 0; i < n; ++i) {
            row[i] = static_cast<std::uint16_t>(row[i] + multiplicand[i] * digit);
        }
        if ((j + 1) % kRowsPerFlush == 0) {
            propagateCarries(columns);
        }
    }
    propagateCarries(columns);

    std::size_t top = columns.size();
    while (top > 1 && columns[top - 1] == 0) {
        --top;
    }
    Text product(top, '0');
    for (std::size_t i = 0; i < top; ++i) {
        product[top - 1 - i] = static_cast<char>('0' + columns[i]);
    }
    return product;
}

} // namespace engine::detail
