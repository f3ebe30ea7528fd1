#pragma once

#include <deque>
#include <functional>

namespace wigglepad {

// objectWillChange: tells every subscriber that a published value is about to change.
// Subscribers read the state on their next update and so see the new value. A subscriber may
// subscribe or unsubscribe (itself or others) while an announcement is under way: the newcomer
// hears from the next announcement on, the leaver is not called again.
class ChangePublisher {
public:
    using Subscriber = std::function<void()>;
    using Token = int;

    Token subscribe(Subscriber subscriber);
    void unsubscribe(Token token);
    void announce() const;

private:
    struct Entry {
        Token token;
        Subscriber subscriber;
        bool removed = false; // unsubscribed during an announcement, erased once it is over
    };

    void eraseRemoved() const;

    // A deque keeps every entry in place when a subscriber subscribes during an announcement.
    // Announcing leaves the subscriber set as it is; only the bookkeeping of leavers changes.
    mutable std::deque<Entry> entries_;
    mutable int announcing_ = 0; // depth of nested announcements under way
    mutable bool hasRemoved_ = false;
    Token nextToken_ = 0;
};

} // namespace wigglepad
