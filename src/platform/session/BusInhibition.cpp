#include "BusInhibition.h"

#include <QDBusPendingCallWatcher>
#include <utility>

namespace wigglepad {
namespace {

// A service the bus starts on demand may take a moment; one slower than this counts as missing.
constexpr int kAskTimeoutMs = 5000;

} // namespace

BusInhibition::BusInhibition(const QDBusConnection& bus)
    : bus_(bus) {}

void BusInhibition::take() {
    wanted_ = true;
    if (state_ != State::idle) {
        return;
    }
    state_ = State::asking;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(request(), kAskTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                answered(call->reply());
            });
}

void BusInhibition::release() {
    wanted_ = false;
    // While still asking, the grant is given back when it arrives.
    if (state_ != State::held) {
        return;
    }
    state_ = State::idle;
    giveBack(std::exchange(grant_, {}));
}

void BusInhibition::refused(const QString& why) {
    if (state_ == State::idle) {
        return;
    }
    state_ = State::idle;
    grant_ = {};
    if (wanted_ && refusalHandler_) {
        refusalHandler_(why);
    }
}

void BusInhibition::answered(const QDBusMessage& reply) {
    if (state_ != State::asking) {
        return;
    }
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        refused(reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage());
        return;
    }
    grant_ = reply.arguments().constFirst();
    state_ = State::held;
    if (!wanted_) {
        release();
    }
}

} // namespace wigglepad
