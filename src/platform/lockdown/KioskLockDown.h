#pragma once

#include "KeyboardLock.h"
#include "MainLoopWatchdog.h"
#include "MonitorCovers.h"
#include "PresentationOptions.h"

#include <QObject>
#include <QPointer>
#include <QWindow>
#include <iosfwd>
#include <memory>

namespace wigglepad {

class SessionEndGuard;

// Gives each presentation option its effect on the kiosk window under X11 and, as far as the
// compositor allows, Wayland:
// - hide Dock / hide menu bar: full screen on the primary screen (_NET_WM_STATE_FULLSCREEN),
//   with the frame set to the screen as well, since without a window manager nobody honours
//   the full-screen state; a window taken out of full screen by others goes back to it;
// - disable process switching: the desktop's shortcuts go to the window (see KeyboardLock: a
//   keyboard grab on X11, with the pointer kept on the window, a shortcuts inhibitor on
//   Wayland), and every other monitor is covered in the ground colour (see MonitorCovers);
// - disable session termination: handed to the session-end guard, when there is one;
// - disable hiding: a minimised window is brought back at once.
// Any option at all arms the watchdog that ends the program should its main loop stop.
// Attaching a window makes it borderless and keeps it above others (_NET_WM_STATE_ABOVE), the
// equivalent of a screen-saver window level; that outlasts the options, like a window level.
class KioskLockDown final : public QObject {
public:
    KioskLockDown(std::ostream& errors, SessionEndGuard* sessionEndGuard);

    // `ground` is the colour that covers the other monitors.
    void attachWindow(QWindow& window, const QColor& ground);
    void apply(PresentationOptions options);
    PresentationOptions options() const { return options_; }

    // Raises the window, asks for it to be made active and takes the keyboard again.
    void activate();
    bool keyboardGrabbed() const { return keyboard_->isHeld(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool has(PresentationOption option) const { return hasOption(options_, option); }
    bool coversScreen() const;
    void coverScreen();
    void windowStateChanged(Qt::WindowState state);
    void restoreFromMinimised();

    QPointer<QWindow> window_;
    PresentationOptions options_ = kNoPresentationOptions;
    bool covering_ = false;
    std::unique_ptr<KeyboardLock> keyboard_;
    MonitorCovers covers_;
    MainLoopWatchdog watchdog_;
    SessionEndGuard* sessionEndGuard_;
};

} // namespace wigglepad
