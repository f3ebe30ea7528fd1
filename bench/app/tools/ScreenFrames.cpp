#include "ScreenFrames.h"

#include "IntervalQuantileMs.h"

namespace wigglepad {

namespace {

// Reports closer together than this are parts of one frame; frames are over 8 ms apart even at
// 120 Hz.
constexpr std::chrono::milliseconds kSameFrame{4};

int damageEventBase(Display* display) {
    int eventBase = 0;
    int errorBase = 0;
    return XDamageQueryExtension(display, &eventBase, &errorBase) ? eventBase : -1;
}

} // namespace

bool ScreenFrames::available(Display* display) {
    return damageEventBase(display) >= 0;
}

ScreenFrames::ScreenFrames(Display* display)
    : display_(display)
    , damage_(XDamageCreate(display, DefaultRootWindow(display), XDamageReportNonEmpty))
    , eventBase_(damageEventBase(display)) {}

ScreenFrames::~ScreenFrames() {
    XDamageDestroy(display_, damage_);
}

void ScreenFrames::poll() {
    bool reported = false;
    while (XPending(display_) > 0) {
        XEvent event;
        XNextEvent(display_, &event);
        reported = reported || event.type == eventBase_ + XDamageNotify;
    }
    if (!reported) {
        return;
    }
    // Emptying the damage makes the next drawing report again.
    XDamageSubtract(display_, damage_, None, None);
    const Clock::time_point now = Clock::now();
    if (frames_.empty() || now - lastReport_ > kSameFrame) {
        frames_.push_back(now);
    }
    lastReport_ = now;
}

double ScreenFrames::intervalMs(double q) const {
    return intervalQuantileMs(frames_, q);
}

} // namespace wigglepad
