#pragma once

#include <QColor>
#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QScreen;
class QWidget;

namespace wigglepad {

// Plain windows in the play surface's ground colour over every monitor but the primary one,
// which the kiosk window covers: a child whose pointer reaches another monitor finds no desktop
// there. A cover is borderless, stays above other windows and never takes the focus; should the
// window system give it the focus all the same (Wayland compositors may, on a click), the kiosk
// window is asked to take it back. While wanted, the covers follow monitors that come and go.
class MonitorCovers final : public QObject {
public:
    // `onCoverActivated` runs when a cover was made the active window.
    explicit MonitorCovers(std::function<void()> onCoverActivated);
    ~MonitorCovers() override;

    void setColour(const QColor& colour);
    // Shows or takes away the covers; asking again for what is there changes nothing.
    void setWanted(bool wanted);

private:
    void rebuild();
    void cover(QScreen* screen);

    std::function<void()> onCoverActivated_;
    QColor colour_;
    bool wanted_ = false;
    std::vector<std::unique_ptr<QWidget>> covers_;
};

} // namespace wigglepad
