#include "KioskLockDown.h"

#include "InputGrab.h"
#include "SessionEndGuard.h"
#include "WaylandShortcutsInhibitor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace wigglepad {

namespace {

// Wayland compositors grant no grabs, only the inhibition of their shortcuts.
std::unique_ptr<KeyboardLock> keyboardLockForPlatform(std::ostream& errors) {
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        return std::make_unique<WaylandShortcutsInhibitor>(errors);
    return std::make_unique<InputGrab>(errors);
}

} // namespace

KioskLockDown::KioskLockDown(std::ostream& errors, SessionEndGuard* sessionEndGuard)
    : keyboard_(keyboardLockForPlatform(errors))
    , covers_([this] { activate(); })
    , sessionEndGuard_(sessionEndGuard) {}

void KioskLockDown::attachWindow(QWindow& window, const QColor& ground) {
    window_ = &window;
    covers_.setKioskWindow(window, ground);
    constexpr Qt::WindowFlags kKioskFlags = Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint;
    if ((window.flags() & kKioskFlags) != kKioskFlags) {
        window.setFlags(window.flags() | kKioskFlags);
    }
    window.installEventFilter(this);
    connect(&window, &QWindow::windowStateChanged, this, &KioskLockDown::windowStateChanged);
    connect(&window, &QWindow::activeChanged, this, [this] {
        if (window_ && window_->isActive()) {
            keyboard_->retake();
        }
    });
    keyboard_->setWindow(&window);
    // Options set before there was a window take effect now.
    if (options_ != kNoPresentationOptions) {
        apply(options_);
    }
}

void KioskLockDown::apply(PresentationOptions options) {
    options_ = options;
    coverScreen();
    const bool lockedIn = has(PresentationOption::disableProcessSwitching);
    keyboard_->setWanted(lockedIn);
    covers_.setWanted(lockedIn);
    watchdog_.setArmed(options != kNoPresentationOptions);
    if (sessionEndGuard_ != nullptr) {
        sessionEndGuard_->setHoldingOff(has(PresentationOption::disableSessionTermination));
    }
    if (has(PresentationOption::disableHideApplication)) {
        restoreFromMinimised();
    }
}

void KioskLockDown::activate() {
    if (!window_) {
        return;
    }
    window_->raise();
    window_->requestActivate();
    keyboard_->retake();
}

bool KioskLockDown::eventFilter(QObject* watched, QEvent* event) {
    // A grab needs the window on screen: take it as soon as the window shows.
    if (watched == window_ && event->type() == QEvent::Expose) {
        keyboard_->retake();
    }
    return QObject::eventFilter(watched, event);
}

bool KioskLockDown::coversScreen() const {
    return has(PresentationOption::hideDock) || has(PresentationOption::hideMenuBar);
}

void KioskLockDown::coverScreen() {
    if (!window_) {
        return;
    }
    if (!coversScreen()) {
        // Only a window this lock-down made full screen is given back its normal state.
        if (covering_) {
            window_->setWindowStates(Qt::WindowNoState);
        }
        covering_ = false;
        return;
    }
    covering_ = true;
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window_->setScreen(screen);
        window_->setGeometry(screen->geometry());
    }
    window_->setWindowStates(Qt::WindowFullScreen);
}

// Undoes what others do to the window's state: minimising it, or taking it out of full screen
// (a pager or a window-manager binding may ask), each once the window system has finished it.
void KioskLockDown::windowStateChanged(Qt::WindowState state) {
    if (state == Qt::WindowMinimized) {
        if (has(PresentationOption::disableHideApplication)) {
            QTimer::singleShot(0, this, &KioskLockDown::restoreFromMinimised);
        }
    } else if (covering_ && state != Qt::WindowFullScreen) {
        QTimer::singleShot(0, this, &KioskLockDown::coverScreen);
    }
}

void KioskLockDown::restoreFromMinimised() {
    if (!window_ || !window_->windowStates().testFlag(Qt::WindowMinimized)) {
        return;
    }
    window_->setWindowStates(coversScreen() ? Qt::WindowFullScreen : Qt::WindowNoState);
    activate();
}

} // namespace wigglepad
