#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <utility>

namespace wigglepad {

// A bounded map of derived values: when full, the entry used least recently makes room. A sweep
// drops what nobody asked for since the sweep before, so values derived from things that are gone
// (a figure's random size once the figure has faded) do not fill the cache up to its bound.
template <class Key, class Value>
class LruCache {
public:
    explicit LruCache(std::size_t capacity)
        : capacity_(capacity > 0 ? capacity : 1) {}

    // The value for `key`, made by `make()` on a miss. The reference stays valid until the next
    // call of get.
    template <class Make>
    const Value& get(const Key& key, Make&& make) {
        if (const auto found = index_.find(key); found != index_.end()) {
            entries_.splice(entries_.begin(), entries_, found->second);
            found->second->sweepsAtLastUse = sweeps_;
            return found->second->value;
        }
        if (entries_.size() == capacity_) {
            dropLeastRecentlyUsed();
        }
        entries_.push_front({key, std::forward<Make>(make)(), sweeps_});
        index_.emplace(key, entries_.begin());
        return entries_.front().value;
    }

    // Drops every entry that get has not returned since the previous sweep.
    void sweep() {
        while (!entries_.empty() && entries_.back().sweepsAtLastUse != sweeps_) {
            dropLeastRecentlyUsed();
        }
        ++sweeps_;
    }

    std::size_t size() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }

private:
    struct Entry {
        Key key;
        Value value;
        std::size_t sweepsAtLastUse;
    };

    void dropLeastRecentlyUsed() {
        index_.erase(entries_.back().key);
        entries_.pop_back();
    }

    std::size_t capacity_;
    std::size_t sweeps_ = 0;
    std::list<Entry> entries_; // most recently used first, so the least recent sweeps come last
    std::map<Key, typename std::list<Entry>::iterator> index_;
};

} // namespace wigglepad
