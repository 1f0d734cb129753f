// Generating problems must not touch the heap: every grid, list and stack is a fixed-size
// local. This binary replaces the global allocation functions with counting ones.

#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>

#include <gtest/gtest.h>

#include "app/accept_problem.hpp"

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Not inlined: seen inline, a free() of memory from operator new looks mismatched to the
// compiler's checks, although here both ends are malloc and free.

[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void* operator new[](std::size_t size) {
    return operator new(size);
}
[[gnu::noinline]] void operator delete(void* block) noexcept {
    std::free(block);
}
[[gnu::noinline]] void operator delete[](void* block) noexcept {
    std::free(block);
}
[[gnu::noinline]] void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
[[gnu::noinline]] void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace cellwright {
namespace {

TEST(HeapUse, CounterSeesAllocations) {
    const long before = allocations.load();
    auto* block = new std::vector<int>(100);
    const long after = allocations.load();
    delete block;
    EXPECT_GE(after - before, 2) << "the vector and its buffer were not counted";
}

TEST(HeapUse, BatchesAllocateNothing) {
    for (int difficulty_class = 1; difficulty_class <= 3; ++difficulty_class) {
        RandomState random;
        random_seed(random, 7);
        TechniqueCounters counters;
        ProblemRecord record;
        AttemptTally tally;
        const long before = allocations.load();
        for (int i = 0; i < 3; ++i) {
            accept_next_problem(random, difficulty_class, record, counters, &tally);
        }
        const long after = allocations.load();
        EXPECT_EQ(after - before, 0) << "class " << difficulty_class;
        EXPECT_GT(tally.fillings, 0u) << "class " << difficulty_class << " did no work";
    }
}

}  // namespace
}  // namespace cellwright
