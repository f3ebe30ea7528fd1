#pragma once

#include <deque>
#include <functional>
#include <string>
#include <string_view>

namespace wigglepad {

// In-process notifications by name, with no sender and no payload. Delivery is synchronous on
// the posting (main) thread, to every observer of the name in the order they registered.
class NotificationCenter {
public:
    using Action = std::function<void()>;

    void addObserver(std::string_view name, Action action);
    void post(std::string_view name);

private:
    struct Observer {
        std::string name;
        Action action;
    };

    // A deque, so that an observer added during delivery never moves the one being called.
    std::deque<Observer> observers_;
};

} // namespace wigglepad
