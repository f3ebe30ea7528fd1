#pragma once

#include "KeyboardLock.h"
#include "SaidOnce.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace wigglepad {

// Active grabs of the keyboard and the pointer on the kiosk window: while held, every key
// (Alt+Tab, Super, Ctrl+Alt+arrows included) and every click (the window manager's Alt+wheel to
// change desktops, Alt+drag to move, Alt+middle click to lower) reaches the program instead of
// the window manager, and the pointer stays on the window. A grab can only be taken while the
// window is on screen and is lost when it leaves the screen, so it is taken again whenever the
// window shows or becomes active. A grab can also fail for a moment (the window manager holds the
// keyboard while it moves focus): a failed grab is retried until it holds, and only a failure that
// lasts (another program keeps the keyboard, or grabs are turned off with Qt's -nograb) is said,
// once.
class InputGrab final : public QObject, public KeyboardLock {
public:
    explicit InputGrab(std::ostream& errors);

    void setWindow(QWindow* window) override;
    void setWanted(bool wanted) override;
    void retake() override;
    bool isHeld() const override { return held_; }

private:
    bool grab(bool on);
    bool grabPointer(bool on);
    void failed();

    SaidOnce cannotGrab_;
    QPointer<QWindow> window_;
    QTimer retry_;
    bool wanted_ = false;
    bool held_ = false;
    int failuresInARow_ = 0;
};

} // namespace wigglepad
