#pragma once

#include "Animation.h"

#include <QObject>
#include <functional>
#include <optional>

namespace wigglepad {

// Brings a view up to date with the play state once per turn of the event loop. The state
// announces a change before it makes it, so a view told of a change must read the state a
// little later; and the frame step announces sixty times a second, so the requests are merged.
// Call request() from the state's change subscriber: the handler then runs once, soon after,
// with the animation of the requests made inside an animation transaction (the last one), or
// none when every request came from outside one.
class DeferredUpdate : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const std::optional<Animation>& animation)>;

    explicit DeferredUpdate(Handler handler, QObject* parent = nullptr);

    void request();

private:
    void run();

    Handler handler_;
    bool pending_ = false;
    std::optional<Animation> animation_;
};

} // namespace wigglepad
