#include "AdultScreen.h"

#include "LightAppearance.h"
#include "OverlayFocus.h"
#include "ParentCover.h"

#include <QMouseEvent>

namespace wigglepad {

AdultScreen::AdultScreen(QWidget* parent)
    : QWidget(parent) {
    setPalette(LightAppearance::palette());
    setFocusPolicy(Qt::TabFocus); // ahead of its controls: see OverlayFocus
    new ParentCover(this);
}

void AdultScreen::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void AdultScreen::hideEvent(QHideEvent*) {
    dropFocusWithin(*this);
}

bool AdultScreen::focusNextPrevChild(bool next) {
    return cycleFocus(*this, next);
}

} // namespace wigglepad
