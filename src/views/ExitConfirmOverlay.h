#pragma once

#include "AdultScreen.h"
#include "BackdropPainter.h"

#include <functional>

namespace wigglepad {

// The question an adult sees after the five clicks in the top-right corner: its parent, the
// play surface, dimmed all over, and in the middle a frosted card asking "Exit Wigglepad?" with
// "Cancel" and a red "Exit". The overlay keeps no state; its buttons only run the actions it was
// given. There is no default button and no cancel key: Return and Escape do nothing here, and
// clicks beside the buttons are taken and dropped. The card keeps its size and stays centred
// however large the overlay is.
//
// Keyboard: setFocus() on the overlay readies it (the window's activation may hand it the focus
// too); Tab and Shift+Tab then go between Cancel and Exit, and Space presses the one with the
// focus ring. Hiding the overlay drops the focus.
class ExitConfirmOverlay : public AdultScreen {
    Q_OBJECT
public:
    ExitConfirmOverlay(std::function<void()> onExit, std::function<void()> onCancel,
                       QWidget* parent = nullptr);

    // What lies behind the overlay, drawn blurred inside the card; without it the card is a
    // plain translucent light pane.
    void setBackdrop(BackdropPainter paintBehind);

    // Where the card sits, in the overlay's coordinates.
    QRect cardGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* makeCard(std::function<void()> onExit, std::function<void()> onCancel);
    void paintCard(QPainter& painter) const;

    QWidget* card_;
    BackdropPainter paintBehind_;
};

} // namespace wigglepad
