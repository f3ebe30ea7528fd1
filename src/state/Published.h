#pragma once

#include "ChangePublisher.h"

#include <utility>

namespace wigglepad {

// A published field: every write announces through its owner's publisher before the value changes.
template <class T>
class Published {
public:
    Published(ChangePublisher& publisher, T initial)
        : publisher_(publisher)
        , value_(std::move(initial)) {}
    Published(const Published&) = delete;
    Published& operator=(const Published&) = delete;

    const T& get() const { return value_; }

    // One assignment: one announcement.
    void set(T value) {
        publisher_.announce();
        value_ = std::move(value);
    }

    // One in-place change (an append, a removal, a filtering pass): one announcement.
    template <class Change>
    void modify(Change&& change) {
        publisher_.announce();
        std::forward<Change>(change)(value_);
    }

    // In-place changes to reference records inside the value, which announce nothing by
    // themselves; the frame step announces once at its end for them.
    T& unannounced() { return value_; }

private:
    ChangePublisher& publisher_;
    T value_;
};

} // namespace wigglepad
