#pragma once

#include "AdultScreen.h"
#include "BackdropPainter.h"
#include "TimerService.h"

#include <functional>
#include <memory>

namespace wigglepad {

// The question an adult sees after the five clicks in the top-right corner: its parent, the
// play surface, dimmed all over, and in the middle a frosted card asking "Exit Wigglepad?" with
// "Cancel" and a red "Exit". The overlay keeps no state; its buttons only run the actions it was
// given. There is no default button and no cancel key: Return and Escape do nothing here, and
// clicks beside the buttons are taken and dropped. The card keeps its size and stays centred
// however large the overlay is.
//
// Only a pointer (or a finger) on Exit leaves: a child mashing keys must never get out. So the
// keyboard reaches Cancel alone: setFocus() on the overlay readies it (the window's activation
// may hand it the focus too), Tab puts the focus ring on Cancel and Space presses it; no key
// ever moves the focus to Exit. A confirmation nobody attends to gives the play back: when no
// pointer event lands on the card for kUnattendedTimeout, it cancels itself. Hiding the overlay
// drops the focus and stops the count.
class ExitConfirmOverlay : public AdultScreen {
    Q_OBJECT
public:
    static constexpr TimerService::Seconds kUnattendedTimeout{15.0};

    ExitConfirmOverlay(std::function<void()> onExit, std::function<void()> onCancel,
                       TimerService& timers, QWidget* parent = nullptr);

    // What lies behind the overlay, drawn blurred inside the card; without it the card is a
    // plain translucent light pane.
    void setBackdrop(BackdropPainter paintBehind);

    // Where the card sits, in the overlay's coordinates.
    QRect cardGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* makeCard(std::function<void()> onExit);
    void watchPointerOn(QWidget& card);
    void restartUnattendedCount();
    void paintCard(QPainter& painter) const;

    std::function<void()> onCancel_;
    TimerService& timers_;
    QWidget* card_;
    BackdropPainter paintBehind_;
    std::unique_ptr<RepeatingTimer> unattended_;
};

} // namespace wigglepad
