#pragma once

#include <cstddef>
#include <list>
#include <map>
#include <utility>

namespace wigglepad {

// A bounded map of derived values: when full, the entry used least recently makes room.
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
            return found->second->second;
        }
        if (entries_.size() == capacity_) {
            index_.erase(entries_.back().first);
            entries_.pop_back();
        }
        entries_.emplace_front(key, std::forward<Make>(make)());
        index_.emplace(key, entries_.begin());
        return entries_.front().second;
    }

    std::size_t size() const { return entries_.size(); }
    std::size_t capacity() const { return capacity_; }

private:
    using Entry = std::pair<Key, Value>;
    std::size_t capacity_;
    std::list<Entry> entries_; // most recently used first
    std::map<Key, typename std::list<Entry>::iterator> index_;
};

} // namespace wigglepad
