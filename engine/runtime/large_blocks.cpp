// SPDX-License-Identifier: GPL-3.0-or-later
// The program's operator new and delete, linked into the calculator and the
// benchmarks' workloads (never into the engine library, whose users choose
// their own): blocks of 2 MB and more, the texts, limbs and transforms'
// buffers of long numbers, start on a 2 MB boundary and are given to the
// kernel's transparent huge pages, whose faults fill 2 MB at a time instead
// of 4 KB. A long computation writes hundreds of megabytes into fresh memory,
// and on a virtual machine each page fault is dear: a 41-million-digit power
// spent a third of its time in them.
//
// Blocks come from the C library (posix_memalign, free), which gives every
// block of 2 MB and more its own mapping and returns it to the system when
// it is freed (M_MMAP_THRESHOLD), so that memory freed by one computation is
// not held as heap for the next. Only the whole 2 MB pages inside a block are
// given to huge pages: its tail stays in small pages, so that a block never
// makes the process hold more memory than it touches.
#include <cstddef>
#include <cstdlib>
#include <new>

#include <malloc.h>
#include <sys/mman.h>

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Every block from a huge page's size on is mapped on its own and unmapped
// when freed; below it, blocks come from the heap, which keeps up to a huge
// page's size of freed memory at its top for the next ones (the C library's
// default, 128 KB, gives it back and takes it again at every turn of a
// division's loop: a quotient of a million digits by half a million took
// 1.2 times as long; 4 MB saves another 4% there, and costs 2 MB more at the
// peak of one of 5 million by 2.5 million). Set before main() runs, and
// never changed.
const bool largeBlocksMapped = mallopt(M_MMAP_THRESHOLD, static_cast<int>(kHugePage)) == 1 &&
                               mallopt(M_TRIM_THRESHOLD, static_cast<int>(kHugePage)) == 1;

void* largeBlock(std::size_t size) {
    void* start = nullptr;
    if (posix_memalign(&start, kHugePage, size) != 0) {
        return nullptr;
    }
    // Advice only: where the system has no huge pages, the block works as any other.
    madvise(start, size / kHugePage * kHugePage, MADV_HUGEPAGE);
    return start;
}

// A block of `size` bytes, or none when the system has no memory for it.
void* block(std::size_t size) {
    return size >= kHugePage && largeBlocksMapped ? largeBlock(size)
                                                  : std::malloc(size == 0 ? 1 : size);
}

// As the standard operator new does: the new-handler, when there is one, is
// asked to free memory and the block tried again; otherwise std::bad_alloc.
void* allocate(std::size_t size) {
    for (;;) {
        if (void* allocated = block(size)) {
            return allocated;
        }
        const std::new_handler handler = std::get_new_handler();
        if (handler == nullptr) {
            throw std::bad_alloc();
        }
        handler();
    }
}

} // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
