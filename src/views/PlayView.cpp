#include "PlayView.h"

#include "AnimationTransaction.h"
#include "AppState.h"
#include "DeferredUpdate.h"
#include "ExitConfirmOverlay.h"
#include "ExitTapZone.h"
#include "InfoBanner.h"
#include "MenuView.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "PlayCanvas.h"
#include "Transition.h"

#include <QEvent>
#include <QPointer>

namespace wigglepad {

namespace {

// The adult screens' text colours.
const QColor kInk = QColor::fromRgbF(0.18f, 0.18f, 0.24f);
const QColor kMuted = QColor::fromRgbF(0.45f, 0.45f, 0.52f);

} // namespace

PlayView::PlayView(AppState& state, const QColor& bg, Services services, QWidget* parent)
    : QWidget(parent)
    , state_(state)
    , timers_(services.timers) {
    setFocusPolicy(Qt::NoFocus);
    buildLayers(bg, services);
    update_ =
        new DeferredUpdate([this](const auto& animation) { evaluateLayers(animation); }, this);
    subscription_ = state_.objectWillChange.subscribe([this] { update_->request(); });
    evaluateLayers(std::nullopt);
}

PlayView::~PlayView() {
    state_.objectWillChange.unsubscribe(subscription_);
}

// Children are stacked in the order they are made, the last on top.
void PlayView::buildLayers(const QColor& bg, Services services) {
    canvas_ = new PlayCanvas(state_, bg, services.clock, services.timers, this);
    tapZone_ = new ExitTapZone(state_.showExitConfirm, services.clock, this);
    menu_ = new MenuView(state_, kInk, kMuted, services.settings, services.notifications, this);
    menu_->hide();
    menuFade_ = new Transition(menu_, Transition::Kind::opacity);
    exitConfirm_ = new ExitConfirmOverlay(
        [&notifications = services.notifications] { notifications.post(kExitNotification); },
        [this] { state_.showExitConfirm.set(false); }, services.timers, this);
    exitConfirm_->hide();
    exitConfirm_->setBackdrop(
        [this](QPainter& painter, QSizeF surface) { canvas_->paintSurface(painter, surface); });
    banner_ = new InfoBanner([this] { hideBanner(); }, this);
    banner_->hide();
    banner_->installEventFilter(this);
    bannerSlide_ = new Transition(banner_, Transition::Kind::moveTop);
}

// Runs once per turn of the event loop at most, however often the state announced.
void PlayView::evaluateLayers(const std::optional<Animation>& animation) {
    const bool menuWasOpen = menuFade_->isPresent();
    const bool confirmWasOpen = !exitConfirm_->isHidden();
    menuFade_->setPresent(state_.showMenu.get(), animation);
    exitConfirm_->setVisible(state_.showExitConfirm.get());
    bannerSlide_->setPresent(state_.showBanner.get(), animation);
    keepMenuBelowBanner();
    focusOpenAdultScreen(!menuWasOpen && menuFade_->isPresent(),
                         !confirmWasOpen && !exitConfirm_->isHidden());
}

// The keys an adult types while a screen is open reach that screen.
void PlayView::focusOpenAdultScreen(bool menuOpened, bool confirmOpened) {
    if (confirmOpened)
        exitConfirm_->setFocus();
    else if (menuOpened && exitConfirm_->isHidden())
        menu_->setFocus();
}

void PlayView::resizeEvent(QResizeEvent*) {
    const QRect whole = rect();
    canvas_->setGeometry(whole);
    tapZone_->setGeometry(width() - kTapZoneSide, 0, kTapZoneSide, kTapZoneSide);
    menu_->setGeometry(whole);
    exitConfirm_->setGeometry(whole);
    banner_->setGeometry(0, 0, width(), banner_->heightForWidth(width()));
    keepMenuBelowBanner();
}

// The banner shows before it slides in and hides when it has slid out.
bool PlayView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == banner_ && (event->type() == QEvent::Show || event->type() == QEvent::Hide))
        keepMenuBelowBanner();
    return false;
}

void PlayView::keepMenuBelowBanner() {
    menu_->setTopInset(banner_->isHidden() ? 0 : banner_->height());
}

void PlayView::showEvent(QShowEvent*) {
    if (!autoHideScheduled_)
        scheduleBannerAutoHide();
}

// Not cancelled when the banner is closed sooner: clearing the flag again changes nothing.
void PlayView::scheduleBannerAutoHide() {
    autoHideScheduled_ = true;
    timers_.runAfter(kBannerAutoHide, [view = QPointer<PlayView>(this)] {
        if (view)
            view->hideBanner();
    });
}

void PlayView::hideBanner() {
    withAnimation([this] { state_.showBanner.set(false); });
}

} // namespace wigglepad
