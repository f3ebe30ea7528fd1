#pragma once

#include <QColor>
#include <QPalette>

namespace wigglepad {

// The light appearance of the adult screens, whatever the desktop's theme: the named colours
// the views use and a palette for the widgets they are built from.
class LightAppearance {
public:
    static QColor accent();       // the selection outline, the Start button, a switch that is on
    static QColor red();          // the Exit button's tint
    static QColor gray();         // outlines and chips, always used at a reduced opacity
    static QColor primaryLabel(); // text that needs no colour of its own

    // Dark text on light ground in every role, so no dark desktop theme leaks into a view.
    static QPalette palette();
};

} // namespace wigglepad
