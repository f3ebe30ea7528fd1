#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace wigglepad {

// Gives the desktop back should the main loop ever stop while it is locked down: under the
// keyboard and pointer grabs a hung program would freeze the whole desktop, and no adult
// gesture would work. While armed, a timer on the main loop beats every second, and a thread of
// the watchdog's own checks the beats; when none has come for kStallLimit it says so in one line
// on stderr and aborts the process (a core dump, where the system keeps them, shows where the
// loop stood). The window system then drops every grab with the process. The thread touches
// nothing but the time of the last beat.
class MainLoopWatchdog final : public QObject {
public:
    static constexpr std::chrono::seconds kStallLimit{10};

    MainLoopWatchdog();
    ~MainLoopWatchdog() override;
    MainLoopWatchdog(const MainLoopWatchdog&) = delete;
    MainLoopWatchdog& operator=(const MainLoopWatchdog&) = delete;

    // Arming counts from now; disarmed, a stalled loop is left alone.
    void setArmed(bool armed);

private:
    using Clock = std::chrono::steady_clock; // stands still while the computer sleeps
    void beat();
    void watch();
    [[noreturn]] static void giveTheDesktopBack();

    QTimer heartbeat_;
    std::atomic<Clock::rep> lastBeat_{0};
    std::atomic<bool> armed_{false};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace wigglepad
