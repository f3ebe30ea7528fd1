#pragma once

#include <cstdint>

namespace wigglepad {

// Heap allocations this process has made so far: the benchmark replaces the global operator new
// to count them, so a benchmark can show that a steady frame allocates nothing.
std::uint64_t heapAllocationCount();

} // namespace wigglepad
