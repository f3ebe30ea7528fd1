#include "ChangePublisher.h"

#include <algorithm>
#include <utility>

namespace wigglepad {

ChangePublisher::Token ChangePublisher::subscribe(Subscriber subscriber) {
    const Token token = nextToken_++;
    entries_.push_back({token, std::move(subscriber)});
    return token;
}

void ChangePublisher::unsubscribe(Token token) {
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [token](const Entry& e) { return e.token == token; });
    if (entry == entries_.end()) {
        return;
    }
    if (announcing_ > 0) {
        // The entry may be the one running right now; erase it once the announcement is over.
        entry->removed = true;
        hasRemoved_ = true;
        return;
    }
    entries_.erase(entry);
}

void ChangePublisher::announce() const {
    ++announcing_;
    const std::size_t count = entries_.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (!entries_[i].removed) {
            entries_[i].subscriber();
        }
    }
    --announcing_;
    if (announcing_ == 0 && hasRemoved_) {
        eraseRemoved();
    }
}

void ChangePublisher::eraseRemoved() const {
    std::erase_if(entries_, [](const Entry& e) { return e.removed; });
    hasRemoved_ = false;
}

} // namespace wigglepad
