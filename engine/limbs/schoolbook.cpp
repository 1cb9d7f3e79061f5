// SPDX-License-Identifier: GPL-3.0-or-later
// Schoolbook products and squares: rows of a[i] * b[j] added into 64-bit
// column sums four rows at a time, in loops that the compiler vectorises;
// before a column could overflow, every column hands what passes the base to
// the one above, and at the end the columns are carried into limbs.
//
// A column hands up in one of two ways. Divided by the base, as a processor
// divides a 64-bit number by a constant (a multiplication by its inverse, 64
// by 64 bits, which vectors do not have): the baseline's way, one column at a
// time. Or split at its 32-bit halves, which takes only products of 32 by 32
// bits: with AVX2, four columns at a time, which made Karatsuba's leaves a
// fifth faster (products and squares of 35 to 1,112 limbs); written with the
// processor's own operations, since the compiler spells a 64-bit product by
// a constant as shifts and adds.
#include "engine/limbs/schoolbook.h"

#include "engine/limbs/carries.h"
#include "engine/limbs/multiply.h"
#include "engine/limbs/wide_vectors.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

#if CALC_BUILDS_WIDE_VECTORS
#include <immintrin.h>
#endif

namespace engine::limbs {

namespace {

static_assert(kRowsPerCarry % kRowsAtOnce == 0);

// Zeroed 64-bit column sums; the small ones of Karatsuba's leaves stay on the stack.
class ColumnSums {
public:
    explicit ColumnSums(std::size_t n) {
        if (n > local_.size()) {
            heap_.assign(n, 0);
            data_ = heap_.data();
        } else {
            std::fill(local_.begin(), local_.begin() + static_cast<std::ptrdiff_t>(n), 0);
        }
    }
    std::uint64_t* data() { return data_; }
    std::uint64_t& operator[](std::size_t k) { return data_[k]; }

private:
    std::array<std::uint64_t, 4 * kKaratsubaSquareThreshold> local_;
    std::vector<std::uint64_t> heap_;
    std::uint64_t* data_ = local_.data();
};

// Columns divided by the base.
struct DividedColumns {
    static std::uint64_t quotient(std::uint64_t column) { return column / kLimbBase; }

    // Keeps the part of each column of [first, last) below the base and adds
    // the rest to the column above, columns[last] included; every column is
    // then below kLimbBase + 2^64 / kLimbBase. What a column hands up comes
    // from its own sum, not from one that waits for the carry from below, so
    // the columns do not wait for each other: carrying one column at a time
    // from the bottom up would chain a division by the base per column.
    CALC_INLINED static void split(std::uint64_t* columns, std::size_t first, std::size_t last) {
        std::uint64_t carry = 0;
        for (std::size_t k = first; k < last; ++k) {
            const std::uint64_t value = columns[k];
            columns[k] = value % kLimbBase + carry;
            carry = value / kLimbBase;
        }
        columns[last] += carry;
    }

    // r[0, n) = the columns as limbs. Two splits leave each column below
    // kLimbBase + 19, so that carrying from the bottom up takes a comparison.
    CALC_INLINED static void store(Limb* r, std::uint64_t* columns, std::size_t n) {
        split(columns, 0, n - 1);
        split(columns, 0, n - 1);
        std::uint64_t carry = 0;
        for (std::size_t k = 0; k < n; ++k) {
            const std::uint64_t value = columns[k] + carry;
            carry = value >= kLimbBase ? 1 : 0;
            r[k] = static_cast<Limb>(value - carry * kLimbBase);
        }
        assert(carry == 0);
    }
};

#if CALC_BUILDS_WIDE_VECTORS

// Columns split at their 32-bit halves: a column h 2^32 + l keeps
// h (2^32 - 4 B) + l and hands 4 h to the column above, since 2^32 =
// 4 B + (2^32 - 4 B). Whatever it held, a column then keeps less than
// kColumnKept, about 1.27e18, which leaves room for kRowsPerCarry more
// products below B^2. Each pass goes from the top down: a column becomes
// what it keeps and what the column below, not yet changed, hands up, so
// that no column waits for another.
struct HalvedColumns {
    static constexpr std::uint32_t kHalfRest =
        (std::uint64_t{1} << 32) - 4 * std::uint64_t{kLimbBase};
    static constexpr std::uint64_t kColumnKept =
        (std::uint64_t{1} << 32) * kHalfRest + (std::uint64_t{1} << 32) + (std::uint64_t{1} << 34);
    static_assert(kRowsPerCarry * (std::uint64_t{kLimbBase} - 1) * (kLimbBase - 1) <
                  ~std::uint64_t{0} - kColumnKept);

    // The quotient by B of a column below 2^61, or one or two less: from its
    // top 32 bits, (v >> 29) floor(2^61 / B) / 2^32, a product of 32 by 32 bits.
    static constexpr std::uint32_t kQuotientFactor = (std::uint64_t{1} << 61) / kLimbBase;

    static std::uint64_t kept(std::uint64_t column) {
        return (column >> 32) * kHalfRest + (column & 0xffff'ffff);
    }
    static std::uint64_t handed(std::uint64_t column) { return 4 * (column >> 32); }
    static std::uint64_t quotient(std::uint64_t column) {
        return ((column >> 29) * kQuotientFactor) >> 32;
    }

    // The four columns from `columns` up, and their quotient estimates.
    CALC_WIDE_VECTORS CALC_INLINED static __m256i fourAt(const std::uint64_t* columns) {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(columns));
    }
    CALC_WIDE_VECTORS CALC_INLINED static __m256i quotients(__m256i columns) {
        const __m256i top = _mm256_srli_epi64(columns, 29);
        return _mm256_srli_epi64(_mm256_mul_epu32(top, _mm256_set1_epi64x(kQuotientFactor)), 32);
    }

    // Splits each column of [first, last) and adds what it hands up to the
    // column above, columns[last] included.
    CALC_WIDE_VECTORS static void split(std::uint64_t* columns, std::size_t first,
                                        std::size_t last) {
        columns[last] += handed(columns[last - 1]);
        const __m256i rest = _mm256_set1_epi64x(kHalfRest);
        const __m256i lowHalf = _mm256_set1_epi64x(0xffff'ffff);
        std::size_t k = last;
        for (; k >= first + 5; k -= 4) {
            const __m256i column = fourAt(columns + k - 4);
            const __m256i below = fourAt(columns + k - 5);
            const __m256i kept =
                _mm256_add_epi64(_mm256_mul_epu32(_mm256_srli_epi64(column, 32), rest),
                                 _mm256_and_si256(column, lowHalf));
            const __m256i handedUp = _mm256_slli_epi64(_mm256_srli_epi64(below, 32), 2);
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + k - 4),
                                _mm256_add_epi64(kept, handedUp));
        }
        for (; k > first + 1; --k) {
            columns[k - 1] = kept(columns[k - 1]) + handed(columns[k - 2]);
        }
        columns[first] = kept(columns[first]);
    }

    // r[0, n) = the columns as limbs. After a split every column is below
    // kColumnKept (the top one, which no product reaches, holds only what was
    // handed up): its quotient estimate is below 1.27e9 and its remainder
    // below 3 B, so that the remainder and the quotient of the column below
    // make a term below 2^32, which storeTerms turns into limbs.
    CALC_WIDE_VECTORS static void store(Limb* r, std::uint64_t* columns, std::size_t n) {
        split(columns, 0, n - 1);
        const __m256i base = _mm256_set1_epi64x(kLimbBase);
        std::size_t k = n;
        for (; k >= 5; k -= 4) {
            const __m256i column = fourAt(columns + k - 4);
            const __m256i quotient = quotients(column);
            const __m256i rest = _mm256_sub_epi64(column, _mm256_mul_epu32(quotient, base));
            const __m256i term = _mm256_add_epi64(rest, quotients(fourAt(columns + k - 5)));
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(columns + k - 4), term);
        }
        const auto rest = [](std::uint64_t column) {
            return column - quotient(column) * kLimbBase;
        };
        for (; k > 1; --k) {
            columns[k - 1] = rest(columns[k - 1]) + quotient(columns[k - 2]);
        }
        columns[0] = rest(columns[0]);
        [[maybe_unused]] const Limb carry = storeTerms<4>(
            r, n, 0, [columns](std::size_t i) { return static_cast<Limb>(columns[i]); });
        assert(carry == 0);
    }
};

#else
using HalvedColumns = DividedColumns;
#endif

// columns[k] += a[k] b[0] + a[k - 1] b[1] + a[k - 2] b[2] + a[k - 3] b[3],
// for every k where one of them is a product: four rows at once, so that a
// column is loaded and stored once for four products, in a loop the
// compiler vectorises. Rows added one at a time would also load each column
// soon after the row before stored it, at another alignment.
CALC_INLINED void addFourRows(std::uint64_t* columns, const Limb* a, std::size_t na,
                              const Limb* b) {
    const std::uint64_t b0 = b[0];
    const std::uint64_t b1 = b[1];
    const std::uint64_t b2 = b[2];
    const std::uint64_t b3 = b[3];
    const auto edge = [&](std::size_t k) {
        const auto limb = [&](std::size_t i) { return i < na ? std::uint64_t{a[i]} : 0; };
        columns[k] += limb(k) * b0 + limb(k - 1) * b1 + limb(k - 2) * b2 + limb(k - 3) * b3;
    };
    for (std::size_t k = 0; k < 3; ++k) {
        edge(k);
    }
    for (std::size_t k = 3; k < na; ++k) {
        columns[k] += a[k] * b0 + a[k - 1] * b1 + a[k - 2] * b2 + a[k - 3] * b3;
    }
    for (std::size_t k = std::max<std::size_t>(na, 3); k < na + 3; ++k) {
        edge(k);
    }
}

// r[0, na + nb) = a * b: rows added four at a time; the columns that a run
// of kRowsPerCarry rows touched are split after it.
template <class Columns>
CALC_INLINED void multiplyRows(Limb* r, const Limb* a, std::size_t na, const Limb* b,
                               std::size_t nb) {
    ColumnSums columns(na + nb);
    std::size_t j = 0;
    for (; j + kRowsAtOnce <= nb; j += kRowsAtOnce) {
        addFourRows(columns.data() + j, a, na, b + j);
        if ((j + kRowsAtOnce) % kRowsPerCarry == 0) {
            Columns::split(columns.data(), j + kRowsAtOnce - kRowsPerCarry, j + na + 3);
        }
    }
    for (; j < nb; ++j) {
        const std::uint64_t factor = b[j];
        std::uint64_t* row = columns.data() + j;
        for (std::size_t i = 0; i < na; ++i) {
            row[i] += a[i] * factor;
        }
    }
    Columns::store(r, columns.data(), na + nb);
}

// r[0, 2n) = a * a: the products a[i] * a[k] with i < k once, doubled, plus
// the squares a[i] * a[i]. Rows i to i + 3 are added at once: their products
// with a[i + 4, n) as four rows of a product, and the six among themselves
// one by one.
template <class Columns> CALC_INLINED void squareRows(Limb* r, const Limb* a, std::size_t n) {
    ColumnSums columns(2 * n);
    std::size_t i = 0;
    for (; i + kRowsAtOnce < n; i += kRowsAtOnce) {
        const std::uint64_t f0 = a[i];
        const std::uint64_t f1 = a[i + 1];
        const std::uint64_t f2 = a[i + 2];
        const std::uint64_t f3 = a[i + 3];
        std::uint64_t* corner = columns.data() + 2 * i;
        corner[1] += f0 * f1;
        corner[2] += f0 * f2;
        corner[3] += f0 * f3 + f1 * f2;
        corner[4] += f1 * f3;
        corner[5] += f2 * f3;
        addFourRows(corner + 4, a + i + 4, n - i - 4, a + i);
        if ((i + kRowsAtOnce) % kRowsPerCarry == 0) {
            Columns::split(columns.data(), 2 * (i + kRowsAtOnce - kRowsPerCarry) + 1,
                           i + kRowsAtOnce - 1 + n);
        }
    }
    for (; i + 1 < n; ++i) {
        const std::uint64_t factor = a[i];
        std::uint64_t* row = columns.data() + 2 * i + 1;
        const Limb* rest = a + i + 1;
        for (std::size_t k = 0; k + i + 1 < n; ++k) {
            row[k] += rest[k] * factor;
        }
    }
    Columns::split(columns.data(), 0, 2 * n - 1);
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint64_t diagonal = std::uint64_t{a[k]} * a[k];
        const std::uint64_t high = Columns::quotient(diagonal);
        columns[2 * k] = 2 * columns[2 * k] + (diagonal - high * kLimbBase);
        columns[2 * k + 1] = 2 * columns[2 * k + 1] + high;
    }
    Columns::store(r, columns.data(), 2 * n);
}

} // namespace

void multiplyBasecase(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb) {
    onWidestVectors<multiplyRows<DividedColumns>, multiplyRows<HalvedColumns>>(r, a, na, b, nb);
}

void squareBasecase(Limb* r, const Limb* a, std::size_t n) {
    onWidestVectors<squareRows<DividedColumns>, squareRows<HalvedColumns>>(r, a, n);
}

} // namespace engine::limbs
