#include "NotificationCenter.h"

namespace wigglepad {

void NotificationCenter::addObserver(std::string_view name, Action action) {
    observers_.push_back({std::string(name), std::move(action)});
}

void NotificationCenter::post(std::string_view name) {
    // Observers registered while this post is delivered hear only later posts.
    const auto registered = observers_.size();
    for (std::size_t i = 0; i < registered; ++i) {
        if (observers_[i].name == name) {
            observers_[i].action();
        }
    }
}

} // namespace wigglepad
