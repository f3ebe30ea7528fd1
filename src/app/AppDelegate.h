#pragma once

#include "AppState.h"
#include "HoldGesture.h"
#include "InputRouter.h"
#include "SystemShell.h"
#include "TimerService.h"

#include <cstdint>
#include <memory>
#include <optional>

class QRect;

namespace wigglepad {

class Clock;
class KioskWindow;
class NotificationCenter;
class PlaySounds;
class RandomSource;
class RepeatingTimer;
class ScreenSource;
class SettingsStore;

// The application shell: owns the one play state, the kiosk window, the timers and the
// termination policy. Launching locks the desktop down around the window; every request to
// quit is refused unless it comes through the quit sequence (the Escape hold, or an adult
// confirming the exit), which first allows termination.
//
// Make it with std::make_shared: the timers', observers' and shell's callbacks hold it weakly
// and do nothing once it is gone.
class AppDelegate : public std::enable_shared_from_this<AppDelegate> {
public:
    // What the delegate works through. main wires the real ones; tests pass fakes.
    struct Services {
        SystemShell& shell;
        TimerService& timers;
        NotificationCenter& notifications;
        SettingsStore& settings;
        const Clock& clock;
        const ScreenSource& screen;
        RandomSource& random;
    };

    static constexpr TimerService::Seconds kTickInterval{1.0 / 60.0};
    static constexpr std::int64_t kTicksPerPruning = 60;

    // Makes the play state, which reads the stored settings.
    explicit AppDelegate(Services services);
    ~AppDelegate();
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    // The sounds of play, from launch on, as the stored setting says; without them play is silent.
    void useSounds(PlaySounds& sounds) { sounds_ = &sounds; }

    // The shell's say in ending the run, for the program entry to hand to the shell.
    SystemShell::TerminationDelegate terminationDelegate();

    // Once the event loop runs: the window, the lock-down, input, ticks and observers. False,
    // with nothing built, when there is no primary screen to cover.
    bool applicationDidFinishLaunching();
    // Asked on every request to quit: only after the quit sequence.
    bool applicationShouldTerminate() const { return allowTermination_; }
    // Just before the run ends: the pointer shown and the desktop given back once more.
    void applicationWillTerminate();

    // The program's own way out: pointer shown, termination allowed, desktop given back, quit.
    void runQuitSequence();

    AppState& state() { return state_; }
    const AppState& state() const { return state_; }
    KioskWindow* window() const { return window_.get(); }
    std::int64_t frameCount() const { return frameCount_; }

private:
    bool setupWindow();
    std::optional<QRect> mainScreenFrame() const;
    void applySwipeSetting();
    void applySoundSetting();
    // After a spawn from input: the newest shape's tone or spoken character, the ribbon's glide.
    void soundNewestShape();
    void soundRibbon();
    PlaySounds* soundsForPlay() const;
    // The keyboard and mouse routing on the kiosk window, for the whole run.
    void installEventMonitors();
    void startTickTimer();
    void observeNotifications();
    void tick();
    void menuHoldCompleted();
    void releaseHeldKeys();

    // Wraps a member call so that it runs only while the delegate lives.
    template <class Member>
    auto whileAlive(Member member) {
        return [weak = weak_from_this(), member] {
            if (const auto self = weak.lock())
                ((*self).*member)();
        };
    }

    Services services_;

    // The fields of the run, in the order the shell reads them.
    std::unique_ptr<KioskWindow> window_;       // made when launching finishes
    AppState state_;                            // the one play state of the run
    HoldGesture exitHold_;                      // Escape held for 3 s quits
    HoldGesture menuHold_;                      // M held for 5 s brings back the mode menu
    InputRouter router_;                        // the input monitors' handlers
    std::unique_ptr<RepeatingTimer> tickTimer_; // the 60 Hz tick, from launch on
    bool allowTermination_ = false;             // set only by the quit sequence
    std::int64_t frameCount_ = 0;               // ticks so far
    PlaySounds* sounds_ = nullptr;              // the sounds of play, when main gave them
};

} // namespace wigglepad
