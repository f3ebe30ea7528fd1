#include "MenuView.h"

#include "AnimationTransaction.h"
#include "AppState.h"
#include "ControlRow.h"
#include "DeferredUpdate.h"
#include "FittingColumn.h"
#include "LightAppearance.h"
#include "ModeCard.h"
#include "NotificationCenter.h"
#include "NotificationNames.h"
#include "RoundedPanel.h"
#include "SavedMode.h"
#include "StyledButton.h"
#include "StyledLabel.h"
#include "SwitchToggle.h"
#include "TypeScale.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace wigglepad {

namespace {

const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);

// Lengths of the content column at full size, from the top down; each gap narrows in proportion
// in a short room.
constexpr int kSidePadding = 40;
constexpr int kEdgeGap = 40; // above the title and below the footnote
constexpr int kSectionGap = 28;
constexpr int kAboveSwitch = kSectionGap + 12;
constexpr int kAboveStart = kSectionGap + 8;
constexpr int kBetweenSwitches = 16;
constexpr int kAboveFootnote = kSectionGap + 4;

constexpr int kTitlePixelSize = 56;
const QColor kTitleColour = QColor::fromRgbF(0.35f, 0.35f, 0.45f);
constexpr int kCardSpacing = 24;
// The switch row and the adult-controls list take up to this width. The card row is wider, so
// the column always leaves them all of it.
constexpr int kFrameMaxWidth = 520;
constexpr int kSwitchTextSpacing = 2;
constexpr int kSwitchBesideText = 16;
constexpr QSize kStartLabelSize{220, 48};
constexpr int kBoxPadding = 16;
constexpr int kBoxSpacing = 8;
constexpr qreal kBoxRadius = 12.0;
constexpr float kBoxFillOpacity = 0.6f;
constexpr float kBoxOutlineOpacity = 0.2f;

// Marked for translation here, translated where shown.
struct AdultControl {
    const char* key; // the multiplication sign in "5×" is U+00D7
    const char* desc;
};

constexpr AdultControl kAdultControls[] = {
    {QT_TRANSLATE_NOOP("wigglepad::MenuView", "Hold M"),
     QT_TRANSLATE_NOOP("wigglepad::MenuView", "Return to this menu (5 seconds)")},
    {QT_TRANSLATE_NOOP("wigglepad::MenuView", "Hold Esc"),
     QT_TRANSLATE_NOOP("wigglepad::MenuView", "Quit Wigglepad (3 seconds)")},
    {QT_TRANSLATE_NOOP("wigglepad::MenuView", "5× click top-right"),
     QT_TRANSLATE_NOOP("wigglepad::MenuView", "Open the exit confirmation")},
    {QT_TRANSLATE_NOOP("wigglepad::MenuView", "Alt+Tab or swipe"),
     QT_TRANSLATE_NOOP("wigglepad::MenuView", "Switch away (when enabled above)")},
};

RoundedPanel::Look adultControlsLook(double scale) {
    QColor outline = LightAppearance::gray();
    outline.setAlphaF(kBoxOutlineOpacity);
    return {kBoxRadius * scale, QColor::fromRgbF(1.0f, 1.0f, 1.0f, kBoxFillOpacity), outline, 1.0};
}

} // namespace

MenuView::MenuView(AppState& state, const QColor& ink, const QColor& muted, SettingsStore& settings,
                   NotificationCenter& notifications, QWidget* parent)
    : AdultScreen(parent)
    , state_(state)
    , ink_(ink)
    , muted_(muted)
    , settings_(settings)
    , notifications_(notifications)
    , update_(new DeferredUpdate([this](const std::optional<Animation>& a) { refresh(a); }, this))
    , subscription_(state.objectWillChange.subscribe([this] { update_->request(); })) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildColumn(1.0);
}

MenuView::~MenuView() {
    state_.objectWillChange.unsubscribe(subscription_);
}

void MenuView::setTopInset(int height) {
    if (height == topInset_)
        return;
    topInset_ = height;
    layOut();
}

// The largest scale, up to 1, at which the column fits below the inset. Texts do not shrink
// exactly in proportion, so a guess that still overflows is narrowed again.
void MenuView::layOut() {
    constexpr int kAttempts = 6;
    constexpr double kMargin = 0.005; // below the exact ratio, so rounding does not overflow
    const QRect room = rect().adjusted(0, topInset_, 0, 0);
    if (room.isEmpty())
        return;
    double scale = 1.0;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        buildColumn(scale);
        const double shrink = column_->fitInto(room);
        if (shrink >= 1.0)
            return;
        scale *= shrink - kMargin;
    }
}

// Builds the column again only when the scale changed; the control with the keyboard focus
// keeps it.
void MenuView::buildColumn(double scale) {
    if (column_ && scale == scale_)
        return;
    const std::vector<QWidget*> before = controls();
    const auto focused = std::find(before.begin(), before.end(), QApplication::focusWidget());
    const auto focusIndex = focused - before.begin();
    delete column_;
    cards_.clear();
    scale_ = scale;
    column_ = new FittingColumn(scaled(kSidePadding), this);
    buildSections();
    column_->show();
    if (focused != before.end())
        controls().at(focusIndex)->setFocus(Qt::OtherFocusReason);
}

std::vector<QWidget*> MenuView::controls() const {
    std::vector<QWidget*> all(cards_.begin(), cards_.end());
    if (column_)
        all.insert(all.end(), {swipeSwitch_, soundSwitch_, startButton_});
    return all;
}

int MenuView::scaled(int length) const {
    return static_cast<int>(std::lround(length * scale_));
}

QFont MenuView::scaled(const QFont& font) const {
    return TypeScale::scaled(font, scale_);
}

void MenuView::buildSections() {
    column_->addGap(scaled(kEdgeGap));
    column_->addSection(
        styledLabel(tr("Wigglepad"), scaled(TypeScale::rounded(kTitlePixelSize)), kTitleColour));
    column_->addGap(scaled(kSectionGap));
    column_->addSection(
        styledLabel(tr("Choose a mode"), scaled(TypeScale::font(TextStyle::title3)), muted_));
    column_->addGap(scaled(kSectionGap));
    column_->addSection(makeCardRow());
    column_->addGap(scaled(kAboveSwitch));
    column_->addSection(makeSwipeSwitch());
    column_->addGap(scaled(kBetweenSwitches));
    column_->addSection(makeSoundSwitch());
    column_->addGap(scaled(kAboveStart));
    column_->addSection(makeStartButton());
    column_->addGap(scaled(kSectionGap));
    column_->addSection(makeAdultControls());
    column_->addGap(scaled(kAboveFootnote));
    QLabel* footnote = styledLabel(tr("Your choice is remembered for next time."),
                                   scaled(TypeScale::font(TextStyle::footnote)), muted_);
    footnote->setAlignment(Qt::AlignHCenter);
    column_->addSection(footnote);
    column_->addGap(scaled(kEdgeGap));
}

QWidget* MenuView::makeCardRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(scaled(kCardSpacing));
    for (const PlayMode mode : kAllPlayModes) {
        auto* card = new ModeCard(
            mode, state_.mode.get() == mode, ink_, muted_, [this, mode] { chooseMode(mode); },
            scale_);
        card->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(card, 0, Qt::AlignVCenter);
        cards_.push_back(card);
    }
    return row;
}

QWidget* MenuView::makeSwipeSwitch() {
    swipeSwitch_ = new SwitchToggle;
    swipeSwitch_->setChecked(state_.allowSwipe.get());
    connect(swipeSwitch_, &QAbstractButton::clicked, this, &MenuView::setSwipeAllowed);
    // With the switch on the grabs are released, so the desktop's own ways of switching work.
    return makeSwitchRow(tr("Allow switching away"),
                         tr("Lets adults leave Wigglepad with the desktop's own shortcuts and "
                            "gestures (Alt+Tab, Super, workspace swipes)."),
                         swipeSwitch_);
}

QWidget* MenuView::makeSoundSwitch() {
    soundSwitch_ = new SwitchToggle;
    soundSwitch_->setChecked(state_.sound.get());
    connect(soundSwitch_, &QAbstractButton::clicked, this, &MenuView::setSoundOn);
    return makeSwitchRow(tr("Sounds"),
                         tr("Soft tones for every shape; letters and numbers are spoken in "
                            "Letters & Numbers mode."),
                         soundSwitch_);
}

// The title and the help on the left, the switch at the right end of the row.
QWidget* MenuView::makeSwitchRow(const QString& title, const QString& help, SwitchToggle* toggle) {
    toggle->setFixedSize(toggle->sizeHint() * scale_);
    toggle->setFocusPolicy(Qt::TabFocus);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(scaled(kSwitchTextSpacing));
    texts->addWidget(styledLabel(title, scaled(TypeScale::font(TextStyle::headline)), ink_));
    QLabel* helpLabel = styledLabel(help, scaled(TypeScale::font(TextStyle::caption)), muted_);
    helpLabel->setWordWrap(true);
    // Fixed, so that the column reckons the wrapped help's height at the width it is given.
    helpLabel->setFixedWidth(scaled(kFrameMaxWidth) - toggle->width() - scaled(kSwitchBesideText));
    texts->addWidget(helpLabel);
    auto* row = new QWidget;
    row->setFixedWidth(scaled(kFrameMaxWidth));
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(scaled(kSwitchBesideText));
    layout->addLayout(texts, 1);
    layout->addWidget(toggle, 0, Qt::AlignVCenter);
    return row;
}

QWidget* MenuView::makeStartButton() {
    auto* button = new StyledButton(StyledButton::Look::borderedProminent);
    button->setText(tr("Start"));
    button->setFont(scaled(boldFont(TextStyle::title3)));
    button->setControlSize(StyledButton::ControlSize::large);
    button->setLabelSize(kStartLabelSize * scale_);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QAbstractButton::clicked, this, &MenuView::start);
    startButton_ = button;
    return button;
}

QWidget* MenuView::makeAdultControls() {
    auto* box = new RoundedPanel(adultControlsLook(scale_));
    const int padding = scaled(kBoxPadding);
    box->setFixedWidth(scaled(kFrameMaxWidth) + 2 * padding);
    auto* list = new QVBoxLayout(box);
    list->setContentsMargins(padding, padding, padding, padding);
    list->setSpacing(scaled(kBoxSpacing));
    list->addWidget(
        styledLabel(tr("Adult Controls"), scaled(TypeScale::font(TextStyle::headline)), ink_), 0,
        Qt::AlignLeft);
    for (const AdultControl& control : kAdultControls)
        list->addWidget(new ControlRow(tr(control.key), tr(control.desc), ink_, muted_, scale_), 0,
                        Qt::AlignLeft);
    return box;
}

// Runs on every announcement of the state: only comparisons unless something changed.
void MenuView::refresh(const std::optional<Animation>& animation) {
    const PlayMode mode = state_.mode.get();
    for (ModeCard* card : cards_)
        card->setSelected(card->mode() == mode);
    for (auto [toggle, on] : {std::pair{swipeSwitch_, state_.allowSwipe.get()},
                              std::pair{soundSwitch_, state_.sound.get()}}) {
        if (toggle->isChecked() != on) {
            const AnimationTransaction transaction(animation);
            toggle->setChecked(on);
        }
    }
}

// In memory only: Start saves it.
void MenuView::chooseMode(PlayMode mode) {
    state_.mode.set(mode);
}

// Stored and applied at once, whether or not Start follows.
void MenuView::setSwipeAllowed(bool allowed) {
    state_.allowSwipe.set(allowed);
    saveAllowSwipe(settings_, allowed);
    notifications_.post(kSwipeChangedNotification);
}

void MenuView::setSoundOn(bool on) {
    state_.sound.set(on);
    saveSound(settings_, on);
    notifications_.post(kSoundChangedNotification);
}

void MenuView::start() {
    saveMode(settings_, state_.mode.get());
    saveAllowSwipe(settings_, state_.allowSwipe.get());
    notifications_.post(kSwipeChangedNotification);
    saveSound(settings_, state_.sound.get());
    notifications_.post(kSoundChangedNotification);
    withAnimation([this] { state_.showMenu.set(false); });
}

void MenuView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
}

void MenuView::resizeEvent(QResizeEvent*) {
    layOut();
}

// The menu is the whole screen: a click beside its controls ends here.
} // namespace wigglepad
