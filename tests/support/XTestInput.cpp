#include "XTestInput.h"

namespace wigglepad {

XTestInput::XTestInput()
    : display_(XOpenDisplay(nullptr)) {
    int event = 0;
    int error = 0;
    int major = 0;
    int minor = 0;
    if (display_ && !XTestQueryExtension(display_, &event, &error, &major, &minor)) {
        XCloseDisplay(display_);
        display_ = nullptr;
    }
}

XTestInput::~XTestInput() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

} // namespace wigglepad
