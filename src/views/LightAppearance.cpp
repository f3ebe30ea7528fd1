#include "LightAppearance.h"

namespace wigglepad {

QColor LightAppearance::accent() {
    return QColor::fromRgbF(0.0f, 0.478f, 1.0f);
}

QColor LightAppearance::red() {
    return QColor::fromRgbF(1.0f, 0.231f, 0.188f);
}

QColor LightAppearance::gray() {
    return QColor::fromRgbF(0.557f, 0.557f, 0.576f);
}

QColor LightAppearance::primaryLabel() {
    return QColor::fromRgbF(0.0f, 0.0f, 0.0f, 0.85f);
}

QPalette LightAppearance::palette() {
    const QColor ground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);
    QPalette palette(Qt::white, ground);
    for (QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        palette.setColor(role, primaryLabel());
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Highlight, accent());
    palette.setColor(QPalette::HighlightedText, Qt::white);
    return palette;
}

} // namespace wigglepad
