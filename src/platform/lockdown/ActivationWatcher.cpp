#include "ActivationWatcher.h"

#include <QGuiApplication>
#include <chrono>

namespace wigglepad {
namespace {

constexpr std::chrono::milliseconds kFlicker{10};

} // namespace

ActivationWatcher::ActivationWatcher() {
    debounce_.setSingleShot(true);
    debounce_.setInterval(kFlicker);
    connect(&debounce_, &QTimer::timeout, this, &ActivationWatcher::settle);
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::applicationStateChanged, this,
                &ActivationWatcher::applicationStateChanged);
    }
}

void ActivationWatcher::setHandler(std::function<void()> onResignActive) {
    onResignActive_ = std::move(onResignActive);
}

void ActivationWatcher::applicationStateChanged(Qt::ApplicationState state) {
    state_ = state;
    if (state == Qt::ApplicationActive) {
        debounce_.stop();
    } else if (!debounce_.isActive()) {
        debounce_.start();
    }
}

void ActivationWatcher::settle() {
    if (state_ != Qt::ApplicationActive && onResignActive_) {
        onResignActive_();
    }
}

} // namespace wigglepad
