#pragma once

#include "Animation.h"
#include "ChangePublisher.h"
#include "TimerService.h"

#include <QColor>
#include <QWidget>
#include <optional>

namespace wigglepad {

class AppState;
class Clock;
class DeferredUpdate;
class ExitConfirmOverlay;
class ExitTapZone;
class InfoBanner;
class MenuView;
class NotificationCenter;
class PlayCanvas;
class SettingsStore;
class Transition;

// The root view of the kiosk window. Its layers, bottom to top, each filling the view unless
// said otherwise:
//   1. the play canvas, always;
//   2. the exit tap zone, 44 × 44 in the top-right corner, always;
//   3. the mode menu while showMenu, fading in and out;
//   4. the exit confirmation while showExitConfirm, at once;
//   5. the welcome banner along the top edge while showBanner, sliding in from and out past the
//      top edge when the change was made inside an animation, at once otherwise.
// The view holds no play data: on every announcement of the state it only reads the three
// flags, at most once per turn of the event loop. It starts the banner's 60-second auto-hide
// when it first comes on screen. While the child plays no layer takes the keyboard focus; an
// adult screen that opens is given it, the confirmation before the menu. While the banner is on
// screen the menu lays itself out below it, and moves up once the banner has gone.
class PlayView : public QWidget {
    Q_OBJECT
public:
    // What the view and its layers work through besides the play state.
    struct Services {
        const Clock& clock;
        TimerService& timers;
        SettingsStore& settings;
        NotificationCenter& notifications;
    };

    static constexpr int kTapZoneSide = 44;
    static constexpr TimerService::Seconds kBannerAutoHide{60.0};

    PlayView(AppState& state, const QColor& bg, Services services, QWidget* parent = nullptr);
    ~PlayView() override;

    PlayCanvas& canvas() const { return *canvas_; }
    ExitTapZone& tapZone() const { return *tapZone_; }
    MenuView& menu() const { return *menu_; }
    ExitConfirmOverlay& exitConfirm() const { return *exitConfirm_; }
    InfoBanner& banner() const { return *banner_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayers(const QColor& bg, Services services);
    void evaluateLayers(const std::optional<Animation>& animation);
    void focusOpenAdultScreen(bool menuOpened, bool confirmOpened);
    void keepMenuBelowBanner();
    void scheduleBannerAutoHide();
    void hideBanner();

    AppState& state_;
    PlayCanvas* canvas_ = nullptr;
    ExitTapZone* tapZone_ = nullptr;
    MenuView* menu_ = nullptr;
    ExitConfirmOverlay* exitConfirm_ = nullptr;
    InfoBanner* banner_ = nullptr;
    Transition* menuFade_ = nullptr;
    Transition* bannerSlide_ = nullptr;
    DeferredUpdate* update_ = nullptr;
    ChangePublisher::Token subscription_;
    TimerService& timers_;
    bool autoHideScheduled_ = false;
};

} // namespace wigglepad
