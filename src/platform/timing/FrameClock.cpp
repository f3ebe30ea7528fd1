#include "FrameClock.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

namespace wigglepad {

namespace {

// What a screen that reports no rate most likely runs at.
constexpr qreal kFallbackHertz = 60.0;
// A rate outside these bounds is a misreport, not a display.
constexpr qreal kLowestHertz = 1.0;
constexpr qreal kHighestHertz = 1000.0;

} // namespace

FrameClock::FrameClock(const Clock& clock, TimerService& timers, FrameAction onFrame,
                       QObject* parent)
    : QObject(parent)
    , clock_(clock)
    , timers_(timers)
    , onFrame_(std::move(onFrame))
    , period_(refreshPeriod(kFallbackHertz)) {
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        if (isRunning())
            follow(screen);
    });
}

void FrameClock::start() {
    follow(QGuiApplication::primaryScreen());
}

void FrameClock::stop() {
    disconnect(refreshRateChange_);
    timer_.reset();
}

TimerService::Seconds FrameClock::refreshPeriod(qreal hertz) {
    const bool usable = hertz >= kLowestHertz && hertz <= kHighestHertz; // false for NaN too
    return TimerService::Seconds(1.0 / (usable ? hertz : kFallbackHertz));
}

void FrameClock::follow(QScreen* screen) {
    disconnect(refreshRateChange_);
    if (screen)
        refreshRateChange_ = connect(screen, &QScreen::refreshRateChanged, this, &FrameClock::pace);
    pace(screen ? screen->refreshRate() : kFallbackHertz);
}

void FrameClock::pace(qreal hertz) {
    period_ = refreshPeriod(hertz);
    timer_.reset();
    timer_ = timers_.scheduleRepeating(period_, [this] { onFrame_(clock_.now()); });
}

} // namespace wigglepad
