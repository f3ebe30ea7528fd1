#include "QtScreenSource.h"

#include <QGuiApplication>
#include <QScreen>

namespace wigglepad {

std::optional<SurfaceSize> QtScreenSource::mainScreenSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return std::nullopt;
    }
    const QRect frame = screen->geometry();
    return SurfaceSize{static_cast<double>(frame.width()), static_cast<double>(frame.height())};
}

} // namespace wigglepad
