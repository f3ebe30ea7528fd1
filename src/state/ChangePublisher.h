#pragma once

#include <functional>
#include <vector>

namespace wigglepad {

// objectWillChange: tells every subscriber that a published value is about to change.
// Subscribers read the state on their next update and so see the new value.
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
    };
    std::vector<Entry> entries_;
    Token nextToken_ = 0;
};

} // namespace wigglepad
