#include "MonitorCovers.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace wigglepad {

namespace {

constexpr Qt::WindowFlags kCoverFlags = Qt::Window | Qt::FramelessWindowHint |
                                        Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus |
                                        Qt::NoDropShadowWindowHint;

} // namespace

MonitorCovers::MonitorCovers(std::function<void()> onCoverActivated)
    : onCoverActivated_(std::move(onCoverActivated)) {
    const auto follow = [this] {
        if (wanted_)
            rebuild();
    };
    auto* application = qGuiApp;
    connect(application, &QGuiApplication::screenAdded, this, follow);
    connect(application, &QGuiApplication::screenRemoved, this, follow);
    connect(application, &QGuiApplication::primaryScreenChanged, this, follow);
}

MonitorCovers::~MonitorCovers() = default;

void MonitorCovers::setColour(const QColor& colour) {
    colour_ = colour;
    if (wanted_)
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
    if (!wanted_)
        return;
    const QScreen* primary = QGuiApplication::primaryScreen();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != primary)
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
