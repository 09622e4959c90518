// Heap allocations of the whole benchmark program, counted by its replacement
// of the global operator new (allocation_count.cpp).
#pragma once

namespace quorvel_bench {

long long AllocationCount();

}  // namespace quorvel_bench
