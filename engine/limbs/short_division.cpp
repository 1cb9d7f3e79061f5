// SPDX-License-Identifier: GPL-3.0-or-later
// Short division on the text: the dividend's digits are read nine at a
// time, each group with the remainder so far divided by the divisor, and
// the nine quotient digits written in its place (the schoolbook's one-digit
// divisor, on digits of 10^9).
#include "engine/limbs/short_division.h"

#include "engine/limbs/divide.h"
#include "engine/runtime/job_control.h"
#include "engine/runtime/thread_pool.h"

#include <algorithm>
#include <cassert>
#include <cstdint>
#include <cstring>

namespace engine::limbs {

namespace {

using u64 = std::uint64_t;

// The dividend's digits followed by zeros, in groups of nine that end where
// the whole ends: group k covers positions [start(k), start(k) + length(k)).
class Groups {
public:
    Groups(std::string_view digits, std::size_t zeros)
        : digits_(digits), size_(digits.size() + zeros), first_((size_ - 1) % kLimbDigits + 1) {}

    std::size_t count() const { return (size_ + kLimbDigits - 1) / kLimbDigits; }
    std::size_t start(std::size_t k) const { return k == 0 ? 0 : first_ + (k - 1) * kLimbDigits; }
    std::size_t length(std::size_t k) const { return k == 0 ? first_ : kLimbDigits; }
    // The first group that lies wholly among the zeros.
    std::size_t firstOfZeros() const {
        const std::size_t digits = digits_.size();
        if (digits == 0) {
            return 0;
        }
        return digits <= first_ ? 1 : 1 + (digits - first_ + kLimbDigits - 1) / kLimbDigits;
    }
    // The value of group k.
    u64 value(std::size_t k) const {
        u64 value = 0;
        for (std::size_t i = start(k); i < start(k) + length(k); ++i) {
            value = value * 10 + (i < digits_.size() ? static_cast<u64>(digits_[i] - '0') : 0);
        }
        return value;
    }

private:
    std::string_view digits_;
    std::size_t size_;
    std::size_t first_;
};

// Writes the `length` digits of `digits` (zeros in front) for the dividend's
// positions [start, start + length), where the layout puts them.
void writeGroup(const QuotientLayout& layout, std::size_t start, std::size_t length, Limb digits) {
    char group[kLimbDigits];
    for (std::size_t i = length; i-- > 0;) {
        group[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    const std::size_t end = start + length;
    if (start >= layout.skip && (end <= layout.point || start >= layout.point)) {
        std::memcpy(layout.out + (start - layout.skip) + (start >= layout.point ? 1 : 0), group,
                    length);
        return;
    }
    for (std::size_t i = std::max(start, layout.skip); i < end; ++i) {
        layout.out[i - layout.skip + (i >= layout.point ? 1 : 0)] = group[i - start];
    }
}

// 10^exponent modulo m, for 0 < m < kLimbBase.
u64 powerOfTenModulo(std::size_t exponent, u64 m) {
    u64 result = 1 % m;
    for (u64 base = 10 % m; exponent != 0; exponent >>= 1) {
        if ((exponent & 1) != 0) {
            result = result * base % m;
        }
        base = base * base % m;
    }
    return result;
}

} // namespace

Limb divideDigitsBySmall(std::string_view dividend, std::size_t zeros, Limb divisor,
                         const QuotientLayout& layout) {
    assert(divisor != 0 && divisor < kLimbBase);
    const Groups groups(dividend, zeros);
    ProgressSteps steps(static_cast<std::int64_t>(groups.count() / kLimbsPerCheck + 1));
    const u64 d = divisor;
    const auto divideGroups = [&](std::size_t first, std::size_t last, u64 remainder, bool zero) {
        for (std::size_t k = first; k < last; ++k) {
            const u64 current = remainder * kLimbBase + (zero ? 0 : groups.value(k));
            writeGroup(layout, groups.start(k), groups.length(k), static_cast<Limb>(current / d));
            remainder = current % d;
            if (k % kLimbsPerCheck == 0) {
                steps.advance();
            }
        }
        return remainder;
    };
    const std::size_t zeroGroups = groups.firstOfZeros();
    const u64 remainder = divideGroups(0, zeroGroups, 0, false);
    // Past the dividend's digits, the remainder before group k is the
    // remainder so far times 10^(9 (k - zeroGroups)), modulo the divisor.
    ThreadPool& pool = workerPool();
    const std::size_t tail = groups.count() - zeroGroups;
    const std::size_t pieces = tail >= kPiecewiseConversion ? pool.threads() : 1;
    pool.runInPieces(pieces, tail, [&](std::size_t first, std::size_t last) {
        const u64 start = remainder * powerOfTenModulo(first * kLimbDigits, d) % d;
        divideGroups(zeroGroups + first, zeroGroups + last, start, true);
    });
    return static_cast<Limb>(remainder * powerOfTenModulo(tail * kLimbDigits, d) % d);
}

} // namespace engine::limbs
