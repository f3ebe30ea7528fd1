#include "KioskWindow.h"

#include <QWindow>

namespace wigglepad {

namespace {

constexpr Qt::WindowFlags kKioskFlags =
    Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::NoDropShadowWindowHint;

} // namespace

KioskWindow::KioskWindow(const QRect& frame)
    : QWidget(nullptr, kKioskFlags) {
    setWindowTitle(QStringLiteral("Wigglepad"));
    setGeometry(frame);
    setMouseTracking(true);
    // The content paints every pixel; the window itself needs no background.
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);
    create();
}

QWindow& KioskWindow::handle() const {
    return *windowHandle();
}

void KioskWindow::setContentView(QWidget* view) {
    delete contentView_;
    contentView_ = view;
    view->setParent(this);
    view->setGeometry(rect());
    view->show();
}

void KioskWindow::makeKeyAndOrderFront() {
    show();
    raise();
    activateWindow();
}

void KioskWindow::resizeEvent(QResizeEvent*) {
    if (contentView_)
        contentView_->setGeometry(rect());
}

} // namespace wigglepad
