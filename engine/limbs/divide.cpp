// SPDX-License-Identifier: GPL-3.0-or-later
// Quotient and remainder of magnitudes: one pass for a one-limb divisor,
// otherwise long division on limbs of 10^9 (The Art of Computer Programming,
// vol. 2, 4.3.1), each quotient limb estimated from the top limbs of the
// remainder and of the divisor, with the remainder kept as 64-bit columns
// whose carries wait, so that its rows cost what a product's rows cost.
#include "engine/limbs/divide.h"

#include "engine/limbs/wide_vectors.h"
#include "engine/runtime/job_control.h"

#include <cassert>
#include <cmath>
#include <cstdint>
#include <vector>

namespace engine::limbs {

namespace {

// value / divisor for a one-limb divisor; the remainder is returned.
Limb divideBySmall(LimbSpan value, Limb divisor, Magnitude& quotient) {
    assert(divisor != 0);
    quotient.assign(value.size(), 0);
    ProgressSteps steps(static_cast<std::int64_t>(value.size() / kLimbsPerCheck + 1));
    std::uint64_t remainder = 0;
    for (std::size_t i = value.size(); i-- > 0;) {
        const std::uint64_t current = remainder * kLimbBase + value[i];
        quotient[i] = static_cast<Limb>(current / divisor);
        remainder = current % divisor;
        if (i % kLimbsPerCheck == 0) {
            steps.advance();
        }
    }
    trim(quotient);
    return static_cast<Limb>(remainder);
}

// Long division keeps the remainder as signed 64-bit columns, as the product
// keeps column sums: a row takes q * v[i] from each column in a loop the
// compiler vectorises, and carries wait until a column could overflow. A
// column may then be below zero or above the base; what counts is the value
// that the columns stand for.
class RemainderColumns {
public:
    explicit RemainderColumns(LimbSpan u) : columns_(u.begin(), u.end()) {}

    std::int64_t operator[](std::size_t k) const { return columns_[k]; }

    // columns[j, j + n) -= q * v[0, n), products of two 32-bit limbs (which
    // vectors multiply in one step, where a 64-bit factor takes three).
    void subtractRow(std::size_t j, const Limb* v, std::size_t n, Limb q) {
        std::int64_t* row = columns_.data() + j;
        for (std::size_t i = 0; i < n; ++i) {
            row[i] -= static_cast<std::int64_t>(std::uint64_t{v[i]} * q);
        }
    }

    // Leaves each column of [first, last) in [0, kLimbBase) plus what the one
    // below hands up, and returns what the top one hands up. As in the
    // schoolbook product's column sums (limbs/schoolbook.cpp), no column
    // waits for the carry from below.
    std::int64_t split(std::size_t first, std::size_t last) {
        constexpr auto base = static_cast<std::int64_t>(kLimbBase);
        std::int64_t carry = 0;
        for (std::size_t k = first; k < last; ++k) {
            const std::int64_t value = columns_[k];
            const std::int64_t low = value % base;
            const std::int64_t high = value / base - (low < 0 ? 1 : 0);
            columns_[k] = low + (low < 0 ? base : 0) + carry;
            carry = high;
        }
        return carry;
    }

    // The limbs of head B^n + columns[0, n), a value below B^(n + 1).
    Magnitude limbs(std::size_t n, std::int64_t head) {
        head += split(0, n);
        head += split(0, n); // every column is now within 10 of [0, kLimbBase)
        Magnitude result(n + 1);
        std::int64_t carry = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const std::int64_t value = columns_[k] + carry;
            carry = value < 0 ? -1 : (value >= kLimbBase ? 1 : 0);
            result[k] = static_cast<Limb>(value - carry * kLimbBase);
        }
        head += carry;
        assert(head >= 0 && head < kLimbBase);
        result[n] = static_cast<Limb>(head);
        trim(result);
        return result;
    }

private:
    std::vector<std::int64_t> columns_;
};

// The columns of the remainder stay within this magnitude: a row takes at
// most q (B - 1) from a column, so the columns are split before a row could
// pass it. Below 2^63 by enough for the head (see divideLong).
constexpr std::int64_t kColumnLimit = 8'000'000'000'000'000'000;

// The quotient's limbs, each below 2B as estimated, carried into limbs.
Magnitude carriedQuotient(const std::vector<Limb>& digits) {
    Magnitude quotient(digits.size());
    Limb carry = 0;
    for (std::size_t j = 0; j < digits.size(); ++j) {
        const Limb value = digits[j] + carry; // below 2^31
        carry = value >= kLimbBase ? 1 : 0;
        quotient[j] = value - carry * kLimbBase;
    }
    assert(carry == 0);
    trim(quotient);
    return quotient;
}

// u / v for v of n >= 2 limbs and u of m + n limbs. At step j the remainder
// R = head B^n + columns[j, j + n), with head the columns from j + n up
// folded into one number, is divided by v. The quotient limb is estimated in
// floating point from the top limbs of R, the top one of them exact in 64
// bits, and the top three of v: within 10^-5 of R / v whatever v's top limb
// (the columns left out add at most a part in 10^8 of v, the roundings a
// part in 10^6). Taking 10^-4 off makes the estimate right or one too small,
// never too large, so that R stays in [0, 2v), the next limb below 2B, and
// the head below 2B + kColumnLimit / B. One subtraction of v at the end
// leaves the remainder below v.
CALC_INLINED Division divideLong(LimbSpan u, LimbSpan v) {
    const std::size_t n = v.size();
    const std::size_t m = u.size() - n;
    constexpr double base = kLimbBase;
    const double divisorTop =
        (static_cast<double>(v[n - 1]) * base + static_cast<double>(v[n - 2])) * base +
        (n >= 3 ? static_cast<double>(v[n - 3]) : 0.0);
    const double inverse = 1.0 / divisorTop;

    RemainderColumns columns(u);
    std::vector<Limb> digits(m + 1);
    std::int64_t head = 0;
    std::int64_t bound = kLimbBase; // the largest |column| of [j, j + n)
    ProgressSteps steps(static_cast<std::int64_t>(m + 1));
    for (std::size_t j = m + 1; j-- > 0;) {
        const std::size_t top = j + n;
        const std::int64_t first = head * kLimbBase + columns[top - 1];
        const double third = top >= 3 ? static_cast<double>(columns[top - 3]) : 0.0;
        const double estimate =
            (static_cast<double>(first) * base + static_cast<double>(columns[top - 2])) * base +
            third;
        const double q = std::floor(estimate * inverse - 1e-4);
        assert(q < 2 * base);
        const Limb digit = q > 0 ? static_cast<Limb>(q) : 0;
        const std::int64_t taken = std::int64_t{digit} * (kLimbBase - 1);
        if (bound > kColumnLimit - taken) {
            head += columns.split(j, top);
            bound = kLimbBase + kColumnLimit / kLimbBase;
        }
        columns.subtractRow(j, v.data(), n, digit);
        bound += taken;
        digits[j] = digit;
        if (j > 0) {
            head = head * kLimbBase + columns[top - 1];
        }
        steps.advance();
    }
    Division result;
    result.remainder = columns.limbs(n, head);
    if (compare(result.remainder, v) >= 0) {
        result.remainder = subtract(result.remainder, v);
        ++digits[0];
    }
    result.quotient = carriedQuotient(digits);
    return result;
}

} // namespace

Division divideSchoolbook(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    assert(!divisor.empty());
    if (compare(numerator, divisor) < 0) {
        return {{}, Magnitude(numerator.begin(), numerator.end())};
    }
    if (divisor.size() == 1) {
        Division result;
        const Limb remainder = divideBySmall(numerator, divisor[0], result.quotient);
        if (remainder != 0) {
            result.remainder.push_back(remainder);
        }
        return result;
    }
    return onWidestVectors<divideLong>(numerator, divisor);
}

// The thresholds come from timings (best of 15) of the three divisions for
// divisors of 40 to 16,000 limbs and quotients of 20 to 16,000: long division
// wins below 240 divisor limbs or 160 quotient limbs (at 160 by 1,117 it is
// 1.2 times faster than the recursion, at 300 by 300 1.1 times slower); the
// recursion costs 0.55 times long division's time at 1,112 by 1,117 limbs,
// and 0.85 to 1.0 times the reciprocal's for quotients up to 2,000 limbs
// whatever the divisor; the reciprocal, which serves every block of a long
// quotient, wins from there on (1.3 to 1.9 times faster at 2,000 to 16,000
// limbs each).
DivisionKernel divisionKernelFor(std::size_t quotientLimbs, std::size_t divisorLimbs) {
    if (divisorLimbs < kRecursiveDivisorLimbs || quotientLimbs < kRecursiveQuotientLimbs) {
        return DivisionKernel::Schoolbook;
    }
    if ((divisorLimbs >= kReciprocalDivisorLimbs && quotientLimbs >= kReciprocalQuotientLimbs) ||
        divisorLimbs >= kReciprocalAlwaysLimbs) {
        return DivisionKernel::Reciprocal;
    }
    return DivisionKernel::Recursive;
}

Division divide(LimbSpan numerator, LimbSpan divisor) {
    numerator = trimmed(numerator);
    divisor = trimmed(divisor);
    const std::size_t quotientLimbs =
        numerator.size() >= divisor.size() ? numerator.size() - divisor.size() : 0;
    switch (divisionKernelFor(quotientLimbs, divisor.size())) {
    case DivisionKernel::Schoolbook:
        return divideSchoolbook(numerator, divisor);
    case DivisionKernel::Reciprocal:
        if (auto quotient = divideByReciprocal(numerator, divisor)) {
            return std::move(*quotient);
        }
        break; // an estimate that took too many corrections: the recursion instead
    case DivisionKernel::Recursive:
        break;
    }
    return divideRecursive(numerator, divisor);
}

} // namespace engine::limbs
