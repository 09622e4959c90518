#include "allocation_count.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long long> allocationCount{0};

}  // namespace

// Every heap allocation of the program passes here, so a benchmark can count its own.
void* operator new(std::size_t size) {
    allocationCount.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

long long quorvel_bench::AllocationCount() { return allocationCount.load(std::memory_order_relaxed); }
