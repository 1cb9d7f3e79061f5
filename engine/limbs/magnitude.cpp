// SPDX-License-Identifier: GPL-3.0-or-later
// Text to limbs and back, and the kernels of linear cost: compare, add,
// subtract, multiply by a small factor, shift by powers of ten.
#include "engine/limbs/magnitude.h"

#include "engine/limbs/checks.h"
#include "engine/runtime/thread_pool.h"

#include <algorithm>
#include <cassert>

namespace engine::limbs {

namespace {

// The value of up to nine digit characters.
Limb parseLimb(const char* first, const char* last) {
    Limb value = 0;
    for (; first != last; ++first) {
        CALC_EXPENSIVE_ASSERT(*first >= '0' && *first <= '9');
        value = value * 10 + static_cast<Limb>(*first - '0');
    }
    return value;
}

// Writes the nine digits of `limb`, zeros in front, ending just before `end`.
void writeLimb(char* end, Limb limb) {
    for (std::size_t i = 0; i < kLimbDigits; ++i) {
        *--end = static_cast<char>('0' + limb % 10);
        limb /= 10;
    }
}

std::size_t limbDigitCount(Limb limb) {
    std::size_t count = 1;
    while (limb >= 10) {
        limb /= 10;
        ++count;
    }
    return count;
}

constexpr Limb kMaxLimb = kLimbBase - 1;

// work(begin, end) over pieces that cover [0, count).
template <class Work> void inPieces(std::size_t count, const Work& work) {
    ThreadPool& pool = workerPool();
    pool.runInPieces(count >= kPiecewiseConversion ? pool.threads() : 1, count, work);
}

} // namespace

Magnitude toMagnitude(std::string_view digits) {
    Magnitude value((digits.size() + kLimbDigits - 1) / kLimbDigits);
    inPieces(value.size(), [&](std::size_t begin, std::size_t stop) {
        for (std::size_t i = begin; i < stop; ++i) {
            const std::size_t end = digits.size() - i * kLimbDigits;
            value[i] =
                parseLimb(digits.data() + end - std::min(kLimbDigits, end), digits.data() + end);
        }
    });
    trim(value);
    return value;
}

std::size_t digitCount(LimbSpan value) {
    value = trimmed(value);
    return value.empty() ? 0 : (value.size() - 1) * kLimbDigits + limbDigitCount(value.back());
}

void writeDigits(LimbSpan value, char* first, char* last) {
    value = trimmed(value);
    assert(static_cast<std::size_t>(last - first) >= digitCount(value));
    char* end = last;
    inPieces(value.empty() ? 0 : value.size() - 1, [&](std::size_t begin, std::size_t stop) {
        for (std::size_t i = begin; i < stop; ++i) {
            writeLimb(end - i * kLimbDigits, value[i]);
        }
    });
    end -= value.empty() ? 0 : (value.size() - 1) * kLimbDigits;
    if (!value.empty()) {
        for (Limb top = value.back(); top != 0; top /= 10) {
            *--end = static_cast<char>('0' + top % 10);
        }
    }
    std::fill(first, end, '0');
}

std::string toDigits(LimbSpan value, std::size_t minDigits) {
    std::string text(std::max(digitCount(value), minDigits), '\0');
    writeDigits(value, text.data(), text.data() + text.size());
    return text;
}

void trim(Magnitude& value) {
    while (!value.empty() && value.back() == 0) {
        value.pop_back();
    }
}

LimbSpan trimmed(LimbSpan value) {
    std::size_t size = value.size();
    while (size > 0 && value[size - 1] == 0) {
        --size;
    }
    return value.first(size);
}

int compare(LimbSpan a, LimbSpan b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size()) {
        return a.size() < b.size() ? -1 : 1;
    }
    for (std::size_t i = a.size(); i-- > 0;) {
        if (a[i] != b[i]) {
            return a[i] < b[i] ? -1 : 1;
        }
    }
    return 0;
}

Limb addInPlace(Limb* r, const Limb* a, std::size_t n) {
    Limb carry = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Limb sum = r[i] + a[i] + carry; // below 2 * kLimbBase: fits 32 bits
        carry = sum >= kLimbBase ? 1 : 0;
        r[i] = sum - carry * kLimbBase;
    }
    return carry;
}

Limb subtractInPlace(Limb* r, const Limb* a, std::size_t n) {
    Limb borrow = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Limb taken = a[i] + borrow;
        borrow = r[i] < taken ? 1 : 0;
        r[i] = r[i] + borrow * kLimbBase - taken;
    }
    return borrow;
}

Limb carryInto(Limb* r, std::size_t n, Limb carry) {
    for (std::size_t i = 0; i < n && carry != 0; ++i) {
        const Limb sum = r[i] + carry;
        carry = sum >= kLimbBase ? 1 : 0;
        r[i] = sum - carry * kLimbBase;
    }
    return carry;
}

Limb borrowFrom(Limb* r, std::size_t n, Limb borrow) {
    for (std::size_t i = 0; i < n && borrow != 0; ++i) {
        const Limb value = r[i];
        r[i] = value >= borrow ? value - borrow : value + kLimbBase - borrow;
        borrow = value >= borrow ? 0 : 1;
    }
    return borrow;
}

Magnitude add(Magnitude&& a, LimbSpan b) {
    if (a.size() < b.size()) {
        return add(LimbSpan(a), b);
    }
    const Limb carry = addInPlace(a.data(), b.data(), b.size());
    if (carryInto(a.data() + b.size(), a.size() - b.size(), carry) != 0) {
        a.reserve(a.size() + 1);
        a.push_back(1);
    }
    trim(a);
    return std::move(a);
}

Magnitude add(LimbSpan a, LimbSpan b) {
    if (a.size() < b.size()) {
        std::swap(a, b);
    }
    Magnitude sum;
    sum.reserve(a.size() + 1);
    sum.assign(a.begin(), a.end());
    return add(std::move(sum), b);
}

Magnitude subtract(Magnitude&& larger, LimbSpan smaller) {
    CALC_EXPENSIVE_ASSERT(compare(larger, smaller) >= 0);
    smaller = trimmed(smaller);
    const Limb borrow = subtractInPlace(larger.data(), smaller.data(), smaller.size());
    borrowFrom(larger.data() + smaller.size(), larger.size() - smaller.size(), borrow);
    trim(larger);
    return std::move(larger);
}

Magnitude subtract(LimbSpan larger, LimbSpan smaller) {
    return subtract(Magnitude(larger.begin(), larger.end()), smaller);
}

Magnitude multiplyBySmall(LimbSpan value, Limb factor) {
    assert(factor <= kMaxLimb);
    Magnitude product(value.size() + 1);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::uint64_t step = std::uint64_t{value[i]} * factor + carry;
        product[i] = static_cast<Limb>(step % kLimbBase);
        carry = step / kLimbBase;
    }
    product[value.size()] = static_cast<Limb>(carry);
    trim(product);
    return product;
}

Magnitude shiftDecimal(LimbSpan value, std::size_t digits) {
    value = trimmed(value);
    if (value.empty()) {
        return {};
    }
    Limb factor = 1;
    for (std::size_t i = 0; i < digits % kLimbDigits; ++i) {
        factor *= 10;
    }
    // Whole limbs of zeros below, then value * factor, in one vector.
    const std::size_t zeroLimbs = digits / kLimbDigits;
    Magnitude scaled(zeroLimbs + value.size() + 1, 0);
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const std::uint64_t step = std::uint64_t{value[i]} * factor + carry;
        scaled[zeroLimbs + i] = static_cast<Limb>(step % kLimbBase);
        carry = step / kLimbBase;
    }
    scaled.back() = static_cast<Limb>(carry);
    trim(scaled);
    return scaled;
}

Magnitude reducedModBaseMinusOne(LimbSpan value, std::size_t n) {
    assert(n >= 1);
    Magnitude reduced(n, 0);
    for (std::size_t start = 0; start < value.size(); start += n) {
        const std::size_t length = std::min(n, value.size() - start);
        Limb carry = addInPlace(reduced.data(), value.data() + start, length);
        carry = carryInto(reduced.data() + length, n - length, carry);
        while (carry != 0) { // B^n is 1 modulo B^n - 1
            carry = carryInto(reduced.data(), n, carry);
        }
    }
    if (std::all_of(reduced.begin(), reduced.end(), [](Limb l) { return l == kMaxLimb; })) {
        return {}; // B^n - 1 itself is 0
    }
    trim(reduced);
    return reduced;
}

} // namespace engine::limbs
