#pragma once

#include <array>
#include <atomic>
#include <cstddef>
#include <optional>

namespace wigglepad {

// A fixed ring of `Capacity - 1` slots between exactly one producing and one consuming thread,
// without locks or allocation: each side writes only its own index, and reads the other's with
// acquire ordering, so a slot's contents are visible before its index moves past it.
template <class T, std::size_t Capacity>
class SpscQueue {
public:
    // Producer side: false, with nothing stored, when the ring is full.
    bool push(const T& item) {
        const std::size_t tail = tail_.load(std::memory_order_relaxed);
        const std::size_t next = (tail + 1) % Capacity;
        if (next == head_.load(std::memory_order_acquire))
            return false;
        slots_[tail] = item;
        tail_.store(next, std::memory_order_release);
        return true;
    }

    // Consumer side: the oldest item, or none when the ring is empty.
    std::optional<T> pop() {
        const std::size_t head = head_.load(std::memory_order_relaxed);
        if (head == tail_.load(std::memory_order_acquire))
            return std::nullopt;
        T item = slots_[head];
        head_.store((head + 1) % Capacity, std::memory_order_release);
        return item;
    }

private:
    std::array<T, Capacity> slots_{};
    std::atomic<std::size_t> head_{0}; // next slot to read, written by the consumer only
    std::atomic<std::size_t> tail_{0}; // next slot to write, written by the producer only
};

} // namespace wigglepad
