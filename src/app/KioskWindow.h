#pragma once

#include <QWidget>

class QWindow;

namespace wigglepad {

// The one window of the run: borderless, over the frame it is given (the primary screen's at
// launch, kept for the whole run), opaque, without a shadow, following the pointer even with no
// button down. It can become the active window, so it receives the keys, and its content view
// fills it. Its native window exists from construction on, so the lock-down can take hold of
// it before it is shown.
class KioskWindow : public QWidget {
    Q_OBJECT
public:
    explicit KioskWindow(const QRect& frame);

    // The native window the system shell locks down.
    QWindow& handle() const;

    // Puts `view` into the window, filling it; the window takes ownership.
    void setContentView(QWidget* view);

    // Shows the window in front of the others and makes it the one that receives the keys.
    void makeKeyAndOrderFront();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* contentView_ = nullptr;
};

} // namespace wigglepad
