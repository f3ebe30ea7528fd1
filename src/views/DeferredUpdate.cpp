#include "DeferredUpdate.h"

#include "AnimationTransaction.h"

#include <utility>

namespace wigglepad {

DeferredUpdate::DeferredUpdate(Handler handler, QObject* parent)
    : QObject(parent)
    , handler_(std::move(handler)) {}

void DeferredUpdate::request() {
    if (const std::optional<Animation>& animation = AnimationTransaction::current())
        animation_ = animation;
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &DeferredUpdate::run, Qt::QueuedConnection);
}

void DeferredUpdate::run() {
    pending_ = false;
    handler_(std::exchange(animation_, std::nullopt));
}

} // namespace wigglepad
