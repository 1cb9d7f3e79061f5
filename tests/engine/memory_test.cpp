// SPDX-License-Identifier: GPL-3.0-or-later
// Memory: a computation that runs out of it fails with std::bad_alloc and
// leaves the engine working, worker threads included; and the estimates of
// engine/memory_estimate.h bound what the commands really hold.
//
// What a computation holds is counted here by replacing the global operator
// new and delete: every byte that the engine allocates, on any thread, is
// seen, and the same computation gives the same figure on every run, which
// a process's resident memory does not (the allocator keeps freed memory
// or returns it, pages are touched or not, other tests ran before).
#include "engine/engine.h"
#include "engine/memory_estimate.h"
#include "engine/operations.h"
#include "process_status.h"

#include <gmpxx.h>
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
#include <new>
#include <sstream>
#include <string>

namespace {

std::atomic<std::int64_t> liveBytes{0};
std::atomic<std::int64_t> peakBytes{0};

void* allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const auto live = liveBytes += static_cast<std::int64_t>(malloc_usable_size(block));
    for (auto peak = peakBytes.load();
         live > peak && !peakBytes.compare_exchange_weak(peak, live);) {
    }
    return block;
}

void release(void* block) noexcept {
    if (block != nullptr) {
        liveBytes -= static_cast<std::int64_t>(malloc_usable_size(block));
        std::free(block);
    }
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* block) noexcept {
    release(block);
}
void operator delete[](void* block) noexcept {
    release(block);
}
void operator delete(void* block, std::size_t) noexcept {
    release(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    release(block);
}

namespace {

using engine::Text;

// Digits that are not all alike, the first not a zero.
Text digits(std::size_t count, unsigned seed) {
    Text text(count, '0');
    for (std::size_t i = 0; i < count; ++i) {
        seed = seed * 1103515245U + 12345U;
        text[i] = static_cast<char>('0' + (seed >> 16) % 10);
    }
    text[0] = '7';
    return text;
}

// A product whose transforms run the two primes on two threads, and its
// value from GMP, worked out before any child starts.
struct Afterwards {
    Text a = digits(50'000, 3);
    Text b = digits(50'000, 4);
    Text product = mpz_class(mpz_class(a) * mpz_class(b)).get_str();
};

// Runs `command` in a child process whose address space is limited to what
// it has mapped plus `room` bytes, then the product of `afterwards` there.
// The child's exit status: 1 when the command refused for want of memory and
// the product was right afterwards, 2 when the command gave a result, 3 when
// it refused otherwise or let an exception out, 4 when the product was wrong.
// The operands are made before the limit.
int exitStatusUnderLimit(std::uint64_t room, const Afterwards& afterwards,
                         const std::function<engine::operations::Outcome()>& command) {
    using engine::operations::Refusal;
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const rlimit limit{process_status::bytes("VmSize:") + room, RLIM_INFINITY};
        setrlimit(RLIMIT_AS, &limit);
        int status = 3;
        try {
            const auto outcome = command();
            const auto* refusal = std::get_if<Refusal>(&outcome.result);
            status = refusal == nullptr ? 2 : refusal->kind == Refusal::Kind::OutOfMemory ? 1 : 3;
        } catch (...) {
        }
        Text a = afterwards.a;
        Text b = afterwards.b;
        if (engine::Mulmul(a, b) != afterwards.product) {
            status = 4;
        }
        _exit(status);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// A product, a power and a quotient that need far more than 64 MB are
// refused for want of memory in 64 MB, no exception let out, and a product on two threads is right
// afterwards; each of them reaches the transforms, whose work is shared out between two threads,
// the worker too. (The parent never computes, so each child starts the engine's worker threads
// itself, under the limit.)
TEST(OutOfMemoryTest, LongComputationsFailCleanlyAndTheEngineGoesOn) {
    constexpr std::uint64_t room = 64 << 20;
    const Afterwards afterwards;
    const Text a = digits(10'000'000, 1);
    const Text b = digits(10'000'000, 2);
    namespace operations = engine::operations;
    EXPECT_EQ(exitStatusUnderLimit(room, afterwards, [&] { return operations::product(a, b); }), 1)
        << "product";
    EXPECT_EQ(
        exitStatusUnderLimit(room, afterwards, [] { return operations::power("7", "30000000"); }),
        1)
        << "power";
    EXPECT_EQ(
        exitStatusUnderLimit(room, afterwards, [&] { return operations::quotient(a + b, b, 50); }),
        1)
        << "quotient";
}

// The peak of `work`, everything that it allocates and still holds counted.
std::int64_t peakOf(const std::function<void()>& work) {
    const std::int64_t before = liveBytes;
    peakBytes = before;
    work();
    return peakBytes - before;
}

// Each shape at results of 1 to 20 million digits: the estimate is at least
// what the command held at its peak, its operands' texts included, and at
// most twice that.
TEST(MemoryEstimateTest, BoundsTheMeasuredPeaks) {
    namespace operations = engine::operations;
    namespace memory = engine::memory;
    struct Shape {
        const char* name;
        std::function<memory::Bytes(std::size_t)> estimate;
        std::function<void(std::size_t)> command;
    };
    const Shape shapes[] = {
        {"sum", [](std::size_t n) { return memory::sumBytes(Text(n, '7'), Text(n, '7'), 0); },
         [](std::size_t n) { operations::sum(digits(n, 1), digits(n, 2)); }},
        {"product", [](std::size_t n) { return memory::productBytes(n / 2, n / 2, 0); },
         [](std::size_t n) { operations::product(digits(n / 2, 1), digits(n / 2, 2)); }},
        {"lopsided product",
         [](std::size_t n) { return memory::productBytes(n - n / 8, n / 8, 0); },
         [](std::size_t n) { operations::product(digits(n - n / 8, 1), digits(n / 8, 2)); }},
        {"quotient by a long divisor",
         [](std::size_t n) { return memory::quotientBytes(Text(n, '7'), Text(n / 2, '7'), 50, 0); },
         [](std::size_t n) { operations::quotient(digits(n, 1), digits(n / 2, 2), 50); }},
        {"quotient by a short divisor",
         [](std::size_t n) { return memory::quotientBytes(Text(n, '7'), Text(30, '7'), 50, 0); },
         [](std::size_t n) { operations::quotient(digits(n, 1), digits(30, 2), 50); }},
        {"quotient by one limb",
         [](std::size_t n) { return memory::quotientBytes(Text(n, '7'), "7", 50, 0); },
         [](std::size_t n) { operations::quotient(digits(n, 1), "7", 50); }},
        {"precision",
         [](std::size_t n) {
             return memory::quotientBytes("1", "7", static_cast<std::int32_t>(n), 0);
         },
         [](std::size_t n) { operations::quotient("1", "7", static_cast<std::int32_t>(n)); }},
        {"power", [](std::size_t n) { return memory::powerBytes("7", n * 100 / 85, 0); },
         [](std::size_t n) { operations::power("7", std::to_string(n * 100 / 85)); }},
        {"digit-power sum", [](std::size_t n) { return memory::digitPowerSumBytes(n, 3, 0); },
         [](std::size_t n) { operations::digitPowerSum(digits(n, 5), "3"); }},
        {"Ackermann, a power of two",
         [](std::size_t n) { return memory::ackermannBytes(3, std::to_string(n * 100 / 30), 0); },
         [](std::size_t n) { operations::ackermann("3", std::to_string(n * 100 / 30)); }},
    };
    std::printf("%-30s %10s %14s %14s %6s\n", "shape", "digits", "measured", "estimate", "ratio");
    for (const Shape& shape : shapes) {
        for (const std::size_t n : {1'000'000, 5'000'000, 20'000'000}) {
            const std::int64_t measured = peakOf([&] { shape.command(n); });
            const auto estimate = static_cast<std::int64_t>(shape.estimate(n));
            std::printf("%-30s %10zu %14lld %14lld %6.2f\n", shape.name, n,
                        static_cast<long long>(measured), static_cast<long long>(estimate),
                        static_cast<double>(estimate) / static_cast<double>(measured));
            EXPECT_GE(estimate, measured) << shape.name << ", " << n << " digits";
            EXPECT_LE(estimate, 2 * measured) << shape.name << ", " << n << " digits";
        }
    }
}

} // namespace
