#include "MainLoopWatchdog.h"

#include <cstdlib>
#include <unistd.h>

namespace wigglepad {

namespace {

constexpr std::chrono::seconds kBeatInterval{1};
static_assert(MainLoopWatchdog::kStallLimit == std::chrono::seconds(10), "the line says 10 s");

} // namespace

MainLoopWatchdog::MainLoopWatchdog()
    : thread_([this] { watch(); }) {
    heartbeat_.setInterval(kBeatInterval);
    connect(&heartbeat_, &QTimer::timeout, this, &MainLoopWatchdog::beat);
}

MainLoopWatchdog::~MainLoopWatchdog() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

void MainLoopWatchdog::setArmed(bool armed) {
    if (armed == armed_)
        return;
    beat();
    armed_ = armed;
    if (armed)
        heartbeat_.start();
    else
        heartbeat_.stop();
}

void MainLoopWatchdog::beat() {
    lastBeat_ = Clock::now().time_since_epoch().count();
}

void MainLoopWatchdog::watch() {
    std::unique_lock lock(mutex_);
    while (!wake_.wait_for(lock, kBeatInterval, [this] { return stopping_; })) {
        const Clock::duration sinceBeat =
            Clock::now().time_since_epoch() - Clock::duration(lastBeat_.load());
        if (armed_ && sinceBeat > kStallLimit)
            giveTheDesktopBack();
    }
}

// Written straight to the file descriptor: the stalled main thread may hold the stream's lock.
void MainLoopWatchdog::giveTheDesktopBack() {
    static constexpr char kLine[] =
        "wigglepad: the program stopped responding for 10 seconds; ending it to give the "
        "desktop back\n";
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, kLine, sizeof kLine - 1);
    std::abort();
}

} // namespace wigglepad
