#include "XTestInput.h"

namespace wigglepad {

XTestInput::XTestInput()
    : display_(XOpenDisplay(nullptr)) {
    int unused[4] = {};
    if (display_ &&
        !XTestQueryExtension(display_, &unused[0], &unused[1], &unused[2], &unused[3])) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

XTestInput::~XTestInput() {
    if (display_)
        XCloseDisplay(display_);
}

} // namespace wigglepad
