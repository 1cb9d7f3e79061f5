// SPDX-License-Identifier: GPL-3.0-or-later
// The program's operator new and delete (engine/runtime/large_blocks.cpp),
// linked into this program alone: blocks on both sides of a huge page's size
// are usable and freed by either delete, the large ones start on a huge
// page's boundary, a large block's memory goes back to the system when it
// is freed, and a failure asks the new-handler before it throws.
#include "process_status.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

TEST(LargeBlocksTest, BlocksAreUsableAlignedAndGivenBack) {
    for (const std::size_t size : {std::size_t{1}, std::size_t{4096}, kHugePage - 1, kHugePage,
                                   kHugePage + 1, 3 * kHugePage + 12345}) {
        auto* sized = static_cast<char*>(::operator new(size));
        auto* unsized = static_cast<char*>(::operator new(size));
        std::memset(sized, 1, size);
        std::memset(unsized, 2, size);
        if (size >= kHugePage) {
            EXPECT_EQ(reinterpret_cast<std::uintptr_t>(sized) % kHugePage, 0U) << size;
        }
        ::operator delete(sized, size);
        ::operator delete(unsized);
    }
    // A block of 16 MB, freed twice over: the C library alone would keep the
    // second in its heap, once the first had taught it that size.
    for (int round = 0; round < 2; ++round) {
        constexpr std::size_t size = 8 * kHugePage;
        auto* block = static_cast<char*>(::operator new(size));
        std::memset(block, 3, size);
        const std::uint64_t held = process_status::bytes("VmRSS:");
        ::operator delete(block, size);
        EXPECT_LT(process_status::bytes("VmRSS:") + size / 2, held) << "round " << round;
    }
}

TEST(LargeBlocksTest, AFailureAsksTheNewHandlerFirst) {
    static int calls = 0;
    std::set_new_handler([] {
        ++calls;
        std::set_new_handler(nullptr);
    });
    EXPECT_THROW(static_cast<void>(::operator new (std::size_t{1} << 62)), std::bad_alloc);
    EXPECT_EQ(calls, 1);
}

} // namespace
