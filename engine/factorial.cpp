// SPDX-License-Identifier: GPL-3.0-or-later
// n! from its prime factorisation. Legendre's formula gives the exponent e_p
// of each prime p in n!: n / p + n / p^2 + ... (whole divisions). With P_k
// the product of the primes whose exponent has bit k set, n! is the product
// of the P_k^(2^k), which is worked out from the top bit down as r = r^2 P_k:
// most of the work is squarings, cheaper than products, and each P_k is a
// balanced product tree of primes packed into limbs. The prime 2 takes part
// like the others: in decimal limbs a power of two is no cheaper to apply.
#include "engine/engine.h"
#include "engine/limbs/magnitude.h"
#include "engine/runtime/job_control.h"

#include <bit>
#include <cmath>
#include <span>
#include <vector>

namespace engine {

namespace {

using limbs::Limb;
using limbs::Magnitude;

// The primes up to n, by the sieve of Eratosthenes.
std::vector<std::uint32_t> primesUpTo(std::uint32_t n) {
    std::vector<bool> composite(n + 1, false);
    std::vector<std::uint32_t> primes;
    for (std::uint64_t i = 2; i <= n; ++i) {
        if (composite[i]) {
            continue;
        }
        primes.push_back(static_cast<std::uint32_t>(i));
        for (std::uint64_t multiple = i * i; multiple <= n; multiple += i) {
            composite[multiple] = true;
        }
    }
    return primes;
}

// The exponent of the prime p in n! (Legendre).
std::uint32_t exponentInFactorial(std::uint32_t n, std::uint32_t p) {
    std::uint32_t exponent = 0;
    for (std::uint32_t quotient = n / p; quotient > 0; quotient /= p) {
        exponent += quotient;
    }
    return exponent;
}

// The primes whose exponent has bit `bit` set, as many in each limb as fit.
std::vector<Limb> packedPrimes(const std::vector<std::uint32_t>& primes,
                               const std::vector<std::uint32_t>& exponents, int bit) {
    std::vector<Limb> packed;
    std::uint64_t current = 1;
    for (std::size_t i = 0; i < primes.size(); ++i) {
        if (((exponents[i] >> bit) & 1U) == 0) {
            continue;
        }
        if (current * primes[i] >= limbs::kLimbBase) {
            packed.push_back(static_cast<Limb>(current));
            current = 1;
        }
        current *= primes[i];
    }
    if (current != 1) {
        packed.push_back(static_cast<Limb>(current));
    }
    return packed;
}

// The product of the factors, by multiplying balanced halves.
Magnitude productOf(std::span<const Limb> factors) {
    if (factors.size() == 1) {
        return Magnitude{factors.front()};
    }
    checkpoint();
    const std::size_t half = factors.size() / 2;
    return limbs::multiply(productOf(factors.first(half)), productOf(factors.subspan(half)));
}

// About how many limbs r has after the step of each bit: the sum of
// (e_p >> bit) log p. A step costs about as much as the r it gives is long,
// so each counts that much towards the progress.
std::vector<std::int64_t> stepWeights(const std::vector<std::uint32_t>& primes,
                                      const std::vector<std::uint32_t>& exponents, int bits) {
    std::vector<double> logarithms;
    for (const std::uint32_t p : primes) {
        logarithms.push_back(std::log10(static_cast<double>(p)));
    }
    std::vector<std::int64_t> weights(static_cast<std::size_t>(bits));
    for (int bit = 0; bit < bits; ++bit) {
        double digits = 0;
        for (std::size_t i = 0; i < primes.size(); ++i) {
            digits += (exponents[i] >> bit) * logarithms[i];
        }
        weights[static_cast<std::size_t>(bit)] =
            static_cast<std::int64_t>(digits / limbs::kLimbDigits) + 1;
    }
    return weights;
}

} // namespace

Text factorial(std::int32_t n) {
    if (n < 2) {
        return "1";
    }
    const double digits = std::lgamma(static_cast<double>(n) + 1) / std::log(10.0);
    if (digits > static_cast<double>(MaxResultDigits)) {
        throw OutOfRange("factorial too large");
    }
    const auto top = static_cast<std::uint32_t>(n);
    const std::vector<std::uint32_t> primes = primesUpTo(top);
    std::vector<std::uint32_t> exponents;
    for (const std::uint32_t p : primes) {
        exponents.push_back(exponentInFactorial(top, p));
    }
    const int bits = std::bit_width(exponents.front()); // 2 has the largest exponent
    const std::vector<std::int64_t> weights = stepWeights(primes, exponents, bits);
    std::int64_t work = 0;
    for (const std::int64_t weight : weights) {
        work += weight;
    }

    ProgressSteps steps(work);
    Magnitude result{1};
    for (int bit = bits - 1; bit >= 0; --bit) {
        const std::vector<Limb> factors = packedPrimes(primes, exponents, bit);
        result = factors.empty() ? limbs::square(result)
                                 : limbs::squareTimes(result, productOf(factors));
        steps.advance(weights[static_cast<std::size_t>(bit)]);
    }
    return limbs::toDigits(result);
}

} // namespace engine
