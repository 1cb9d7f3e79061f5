// Schoolbook products and squares: rows of a[i] * b[j] added into 64-bit
// column sums four rows at a time, in loops that the compiler vectorises;
// before a column could overflow, every column hands what passes the base to
// the one above, and at the end the columns are carried into limbs.
#include "engine/limbs/schoolbook.h"

#include "engine/limbs/multiply.h"
#include "engine/limbs/wide_vectors.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

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

// Keeps the part of each column of [first, last) below the base and adds the
// rest to the column above, columns[last] included; every column is then below
// kLimbBase + 2^64 / kLimbBase. What a column hands up comes from its own sum,
// not from one that waits for the carry from below, so the columns do not
// wait for each other: carrying one column at a time from the bottom up would
// chain a division by the base per column and cost more than the rows.
CALC_INLINED void splitColumns(std::uint64_t* columns, std::size_t first, std::size_t last) {
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
CALC_INLINED void storeColumns(Limb* r, std::uint64_t* columns, std::size_t n) {
    splitColumns(columns, 0, n - 1);
    splitColumns(columns, 0, n - 1);
    std::uint64_t carry = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint64_t value = columns[k] + carry;
        carry = value >= kLimbBase ? 1 : 0;
        r[k] = static_cast<Limb>(value - carry * kLimbBase);
    }
    assert(carry == 0);
}

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
CALC_INLINED void multiplyRows(Limb* r, const Limb* a, std::size_t na, const Limb* b,
                               std::size_t nb) {
    ColumnSums columns(na + nb);
    std::size_t j = 0;
    for (; j + kRowsAtOnce <= nb; j += kRowsAtOnce) {
        addFourRows(columns.data() + j, a, na, b + j);
        if ((j + kRowsAtOnce) % kRowsPerCarry == 0) {
            splitColumns(columns.data(), j + kRowsAtOnce - kRowsPerCarry, j + na + 3);
        }
    }
    for (; j < nb; ++j) {
        const std::uint64_t factor = b[j];
        std::uint64_t* row = columns.data() + j;
        for (std::size_t i = 0; i < na; ++i) {
            row[i] += a[i] * factor;
        }
    }
    storeColumns(r, columns.data(), na + nb);
}

// r[0, 2n) = a * a: the products a[i] * a[k] with i < k once, doubled, plus
// the squares a[i] * a[i]. Rows i to i + 3 are added at once: their products
// with a[i + 4, n) as four rows of a product, and the six among themselves
// one by one.
CALC_INLINED void squareRows(Limb* r, const Limb* a, std::size_t n) {
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
            splitColumns(columns.data(), 2 * (i + kRowsAtOnce - kRowsPerCarry) + 1,
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
    splitColumns(columns.data(), 0, 2 * n - 1);
    for (std::size_t k = 0; k < n; ++k) {
        const std::uint64_t diagonal = std::uint64_t{a[k]} * a[k];
        const std::uint64_t high = diagonal / kLimbBase;
        columns[2 * k] = 2 * columns[2 * k] + (diagonal - high * kLimbBase);
        columns[2 * k + 1] = 2 * columns[2 * k + 1] + high;
    }
    storeColumns(r, columns.data(), 2 * n);
}

} // namespace

void multiplyBasecase(Limb* r, const Limb* a, std::size_t na, const Limb* b, std::size_t nb) {
    onWidestVectors<multiplyRows>(r, a, na, b, nb);
}

void squareBasecase(Limb* r, const Limb* a, std::size_t n) {
    onWidestVectors<squareRows>(r, a, n);
}

} // namespace engine::limbs
