#include "OverlayFocus.h"

#include <QApplication>
#include <QWidget>

namespace wigglepad {

namespace {

bool takesTabFocus(const QWidget& overlay, const QWidget& widget) {
    return &widget != &overlay && overlay.isAncestorOf(&widget) &&
           (widget.focusPolicy() & Qt::TabFocus) && widget.isVisible() && widget.isEnabled();
}

} // namespace

bool cycleFocus(QWidget& overlay, bool forward) {
    QWidget* focused = QApplication::focusWidget();
    QWidget* start = focused && overlay.isAncestorOf(focused) ? focused : &overlay; // or itself
    for (QWidget* w = start;;) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w == start)
            return takesTabFocus(overlay, *start); // the only control keeps the focus
        if (takesTabFocus(overlay, *w)) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return true;
        }
    }
}

void dropFocusWithin(QWidget& overlay) {
    QWidget* focused = QApplication::focusWidget();
    if (focused && overlay.isAncestorOf(focused)) // the overlay itself included
        focused->clearFocus();
}

} // namespace wigglepad
