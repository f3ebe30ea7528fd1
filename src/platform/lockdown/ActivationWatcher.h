#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace wigglepad {

// Tells when the application has stopped being the active one. A loss that the application
// wins back within a few milliseconds (focus passing through the window manager) is a flicker,
// not a loss, and is not told. Make it after the application object, whose state it follows.
class ActivationWatcher final : public QObject {
public:
    ActivationWatcher();

    void setHandler(std::function<void()> onResignActive);
    // Fed by the application's state changes; public so that tests can play the desktop.
    void applicationStateChanged(Qt::ApplicationState state);

private:
    void settle();

    QTimer debounce_;
    Qt::ApplicationState state_ = Qt::ApplicationActive;
    std::function<void()> onResignActive_;
};

} // namespace wigglepad
