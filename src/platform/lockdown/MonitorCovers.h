#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QWindow>
#include <functional>
#include <memory>
#include <vector>

class QScreen;
class QWidget;

namespace wigglepad {

// Plain windows in the play surface's ground colour over every monitor but the kiosk window's:
// a child whose pointer reaches another monitor finds no desktop there. A monitor that overlaps
// the kiosk window's (a mirrored one) is left alone, so that no cover ever hides the play. A
// cover is borderless, stays above other windows and never takes the focus; should the window
// system give it the focus all the same (Wayland compositors may, on a click), the kiosk window
// is asked to take it back. While wanted, the covers follow monitors that come and go and the
// kiosk window moving to another one.
class MonitorCovers final : public QObject {
public:
    // `onCoverActivated` runs when a cover was made the active window.
    explicit MonitorCovers(std::function<void()> onCoverActivated);
    ~MonitorCovers() override;

    // The window the covers leave its monitor to, and their colour.
    void setKioskWindow(QWindow& kiosk, const QColor& ground);
    // Shows or takes away the covers; asking again for what is there changes nothing.
    void setWanted(bool wanted);

private:
    void rebuild();
    void cover(QScreen* screen);

    std::function<void()> onCoverActivated_;
    QPointer<QWindow> kiosk_;
    QColor colour_;
    bool wanted_ = false;
    std::vector<std::unique_ptr<QWidget>> covers_;
};

} // namespace wigglepad
