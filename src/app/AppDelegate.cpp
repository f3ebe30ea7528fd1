#include "AppDelegate.h"

#include "AnimationTransaction.h"
#include "Clock.h"
#include "EventMonitor.h"
#include "InputRouter.h"
#include "KioskWindow.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PlaySounds.h"
#include "PlayView.h"
#include "SavedMode.h"
#include "ScreenSource.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <cmath>

namespace wigglepad {

namespace {

// The warm off-white of the play surface.
const QColor kSurfaceColour = QColor::fromRgbF(0.98f, 0.97f, 0.95f);

// Seconds a key must stay down: Escape to quit, M to bring back the mode menu.
constexpr double kExitHoldDuration = 3.0;
constexpr double kMenuHoldDuration = 5.0;

} // namespace

// Completing the exit hold leaves its timer running and its progress at 1: the run ends.
AppDelegate::AppDelegate(Services services)
    : services_(services)
    , state_(services.clock, services.screen, services.random, services.settings)
    , exitHold_(services.timers, services.clock, state_.exitProgress, kExitHoldDuration,
                [this] { runQuitSequence(); })
    , menuHold_(services.timers, services.clock, state_.menuHoldProgress, kMenuHoldDuration,
                [this] { menuHoldCompleted(); })
    , router_({state_, services.clock, services.shell, exitHold_, menuHold_,
               [this] { soundNewestShape(); }, [this] { soundRibbon(); }}) {}

// The window's views hold on to the state, which is declared after the window and so would go
// first. The holds' timers and the router go with the delegate, so their calls into it never
// outlive it.
AppDelegate::~AppDelegate() {
    window_.reset();
}

SystemShell::TerminationDelegate AppDelegate::terminationDelegate() {
    std::weak_ptr<AppDelegate> weak = weak_from_this();
    return {[weak] {
                const auto self = weak.lock();
                return self && self->applicationShouldTerminate();
            },
            whileAlive(&AppDelegate::applicationWillTerminate)};
}

bool AppDelegate::applicationDidFinishLaunching() {
    return setupWindow();
}

void AppDelegate::applicationWillTerminate() {
    services_.shell.unhidePointer();
    services_.shell.setPresentationOptions(kNoPresentationOptions);
}

// The pointer is shown before the desktop is given back; the router's record of it stays as it was.
void AppDelegate::runQuitSequence() {
    services_.shell.unhidePointer();
    allowTermination_ = true;
    services_.shell.setPresentationOptions(kNoPresentationOptions);
    services_.shell.terminate();
}

// The window is shown and active before the desktop is locked down around it, and input is
// routed before the first tick.
bool AppDelegate::setupWindow() {
    const std::optional<QRect> frame = mainScreenFrame();
    if (!frame)
        return false;
    window_ = std::make_unique<KioskWindow>(*frame);
    services_.shell.attachWindow(window_->handle(), kSurfaceColour);
    window_->setContentView(new PlayView(
        state_, kSurfaceColour,
        {services_.clock, services_.timers, services_.settings, services_.notifications}));
    window_->makeKeyAndOrderFront();
    applySwipeSetting();
    applySoundSetting();
    services_.shell.activate();
    services_.shell.hidePointer();
    installEventMonitors();
    startTickTimer();
    observeNotifications();
    return true;
}

// The primary screen's size, where the window system puts that screen.
std::optional<QRect> AppDelegate::mainScreenFrame() const {
    const std::optional<SurfaceSize> size = services_.screen.mainScreenSize();
    if (!size)
        return std::nullopt;
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->geometry().topLeft() : QPoint();
    return QRect(origin, QSize(static_cast<int>(std::lround(size->width)),
                               static_cast<int>(std::lround(size->height))));
}

void AppDelegate::applySwipeSetting() {
    services_.shell.setPresentationOptions(
        loadAllowSwipe(services_.settings) ? kLockedDownSwipeAllowed : kLockedDown);
}

void AppDelegate::applySoundSetting() {
    if (sounds_)
        sounds_->setOn(loadSound(services_.settings));
}

// Nothing sounds over the menu or the confirmation.
PlaySounds* AppDelegate::soundsForPlay() const {
    const bool adultScreenOpen = state_.showMenu.get() || state_.showExitConfirm.get();
    return adultScreenOpen ? nullptr : sounds_;
}

void AppDelegate::soundNewestShape() {
    PlaySounds* sounds = soundsForPlay();
    if (!sounds || state_.shapes.get().empty())
        return;
    const PlayShape& shape = state_.shapes.get().back();
    if (shape.character)
        sounds->character(*shape.character);
    else
        sounds->figure(shape.color);
}

void AppDelegate::soundRibbon() {
    if (PlaySounds* sounds = soundsForPlay())
        sounds->ribbon();
}

// The monitor lives as long as the window it watches. Losing the keyboard loses the releases
// of the keys still down, so a hold must not run on by itself after it.
void AppDelegate::installEventMonitors() {
    QWindow& window = window_->handle();
    const std::weak_ptr<AppDelegate> weak = weak_from_this();
    auto* monitor = new EventMonitor(
        window, std::make_unique<DisplayKeyboard>(), [weak](const InputEvent& event) {
            const auto self = weak.lock();
            return self ? self->router_.route(event) : InputRouter::withoutRouter(event.kind);
        });
    monitor->setParent(&window);
    QObject::connect(&window, &QWindow::activeChanged, monitor, [weak, &window] {
        if (const auto self = weak.lock(); self && !window.isActive())
            self->releaseHeldKeys();
    });
}

void AppDelegate::startTickTimer() {
    tickTimer_ = services_.timers.scheduleRepeating(kTickInterval, whileAlive(&AppDelegate::tick));
}

// Losing the activation ends the holds, whose key releases now go elsewhere, and asks for the
// activation back at once; the exit and swipe notifications come from the adult screens.
void AppDelegate::observeNotifications() {
    services_.shell.setResignActiveHandler([weak = weak_from_this(), &shell = services_.shell] {
        if (const auto self = weak.lock())
            self->releaseHeldKeys();
        shell.activate();
    });
    services_.notifications.addObserver(kExitNotification,
                                        whileAlive(&AppDelegate::runQuitSequence));
    services_.notifications.addObserver(kSwipeChangedNotification,
                                        whileAlive(&AppDelegate::applySwipeSetting));
    services_.notifications.addObserver(kSoundChangedNotification,
                                        whileAlive(&AppDelegate::applySoundSetting));
}

// The frame step measures its own time since the previous tick; pruning walks every list, so
// it runs once a second, after that tick's step. A burst of particles newer than any before is a
// bubble the cursor popped in this step.
void AppDelegate::tick() {
    const auto newestBurst = [this] {
        const std::vector<BubbleParticle>& particles = state_.bubbleParticles.get();
        return particles.empty() ? kDistantPast : particles.back().born;
    };
    const TimeStamp lastBurst = newestBurst();
    state_.frameStep();
    if (PlaySounds* sounds = soundsForPlay(); sounds && newestBurst() > lastBurst)
        sounds->bubblePop();
    ++frameCount_;
    if (frameCount_ % kTicksPerPruning == 0)
        state_.pruneExpired();
}

// The hold ends (its progress back to 0) and the mode counts as not chosen from now on, so the
// next start opens with the menu as well. M stays down until it is released, so holding on opens
// nothing again.
void AppDelegate::menuHoldCompleted() {
    menuHold_.stop();
    forgetModeChoice(services_.settings);
    withAnimation([this] { state_.showMenu.set(true); });
}

// As if Escape and M were let go: their releases will not come.
void AppDelegate::releaseHeldKeys() {
    exitHold_.keyUp();
    menuHold_.keyUp();
}

} // namespace wigglepad
