#include "MonitorCovers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace wigglepad {

namespace {

constexpr Qt::WindowFlags kCoverFlags = Qt::Window | Qt::FramelessWindowHint |
                                        Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                                        Qt::NoDropShadowWindowHint;

} // namespace

MonitorCovers::MonitorCovers(std::function<void()> onCoverActivated)
    : onCoverActivated_(std::move(onCoverActivated)) {
    auto* application = qGuiApp;
    connect(application, &QGuiApplication::screenAdded, this, &MonitorCovers::rebuild);
    connect(application, &QGuiApplication::screenRemoved, this, &MonitorCovers::rebuild);
}

MonitorCovers::~MonitorCovers() = default;

void MonitorCovers::setKioskWindow(QWindow& kiosk, const QColor& ground) {
    if (kiosk_)
        kiosk_->disconnect(this);
    kiosk_ = &kiosk;
    colour_ = ground;
    connect(&kiosk, &QWindow::screenChanged, this, &MonitorCovers::rebuild);
    rebuild();
}

void MonitorCovers::setWanted(bool wanted) {
    if (wanted == wanted_)
        return;
    wanted_ = wanted;
    rebuild();
}

void MonitorCovers::rebuild() {
    covers_.clear();
    if (!wanted_ || !kiosk_ || !kiosk_->screen())
        return;
    const QRect played = kiosk_->screen()->geometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (!screen->geometry().intersects(played))
            cover(screen);
}

void MonitorCovers::cover(QScreen* screen) {
    auto window = std::make_unique<QWidget>(nullptr, kCoverFlags);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette ground;
    ground.setColor(QPalette::Window, colour_);
    window->setPalette(ground);
    window->setAutoFillBackground(true);
    window->setScreen(screen);
    window->setGeometry(screen->geometry());
    window->setWindowState(Qt::WindowFullScreen); // showFullScreen() would activate it
    window->show();
    QWindow* handle = window->windowHandle();
    connect(handle, &QWindow::activeChanged, this, [this, handle] {
        if (handle->isActive())
            onCoverActivated_();
    });
    covers_.push_back(std::move(window));
}

} // namespace wigglepad
