// Wigglepad: covers the primary screen with a play surface for a small child and locks the
// desktop down until an adult leaves. Takes no arguments of its own; Qt's (-platform and the
// like) pass through.
#include "AppDelegate.h"
#include "BundledFonts.h"
#include "DesktopSessionEndGuard.h"
#include "DisplayCheck.h"
#include "KeepTheHeapCompact.h"
#include "NotificationCenter.h"
#include "PlatformStartGuard.h"
#include "PlaySounds.h"
#include "QtScreenSource.h"
#include "QtSettingsStore.h"
#include "QtSystemShell.h"
#include "QtTimerService.h"
#include "SingleInstance.h"
#include "SpeechCache.h"
#include "SystemClock.h"
#include "SystemRandomSource.h"
#include "Translations.h"
#include "UseOnlyARunningSessionBus.h"

#include <QApplication>
#include <QLocale>
#include <QTimer>
#include <iostream>
#include <memory>
#include <optional>

using namespace wigglepad;

namespace {

// The application object, or the end of the run with one line said when there is no display.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    if (const std::optional<std::string> missing =
            missingDisplay(DisplayEnvironment::current(argc, argv))) {
        std::cerr << "wigglepad: " << *missing << '\n';
        std::exit(1);
    }
    const PlatformStartGuard guard;
    return std::make_unique<QApplication>(argc, argv);
}

} // namespace

int main(int argc, char** argv) {
    keepTheHeapCompact();
    useOnlyARunningSessionBus();
    // A second start (a double click on the menu entry) is no error: the first copy plays on.
    const SingleInstance instance(std::cerr);
    if (instance.anotherCopyRuns()) {
        std::cerr << "Wigglepad is already running\n";
        return 0;
    }
    const std::unique_ptr<QApplication> application = openDisplay(argc, argv);
    const Translations translations(QLocale::system());
    // Only the termination delegate ends the run, never the last window closing.
    QGuiApplication::setQuitOnLastWindowClosed(false);
    BundledFonts::load();

    QtSettingsStore settings(std::cerr);
    DesktopSessionEndGuard sessionEndGuard(std::cerr);
    QtSystemShell shell(std::cerr, &sessionEndGuard);
    QtTimerService timers;
    NotificationCenter notifications;
    const SystemClock clock;
    const QtScreenSource screen;
    SystemRandomSource random;
    PlaySounds sounds(SpeechCache::languageFor(QLocale::system().name().toStdString()), std::cerr);
    const auto delegate = std::make_shared<AppDelegate>(
        AppDelegate::Services{shell, timers, notifications, settings, clock, screen, random});
    shell.setTerminationDelegate(delegate->terminationDelegate());
    delegate->useSounds(sounds);

    // Launching finishes once the event loop runs.
    QTimer::singleShot(0, [&delegate] {
        if (!delegate->applicationDidFinishLaunching()) {
            std::cerr << "wigglepad: no primary screen to cover\n";
            QCoreApplication::exit(1);
        }
    });
    return QApplication::exec();
}
