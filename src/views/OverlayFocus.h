#pragma once

class QWidget;

namespace wigglepad {

// Keyboard focus inside an adult screen. The overlay itself takes the focus first, without a
// ring (the window hands it to the first widget that takes Tab focus when it is activated), and
// Tab and Shift+Tab then go round the overlay's own controls, never leaving it for a layer below.
// An overlay that goes away takes its focus with it, so nothing keeps the keyboard while the
// child plays.

// Moves the focus to the overlay's next (or previous) control, wrapping round; false when it has
// no control that can take the focus.
bool cycleFocus(QWidget& overlay, bool forward);

// Clears the focus when the overlay or one of its controls has it.
void dropFocusWithin(QWidget& overlay);

} // namespace wigglepad
