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
#include "SettingsKeys.h"
#include "SettingsStore.h"
#include "StyledButton.h"
#include "SwitchToggle.h"
#include "TypeScale.h"
#include "styledLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace wigglepad {

namespace {

const QColor kBackground = QColor::fromRgbF(0.98f, 0.97f, 0.95f);

// Gaps of the content column, from the top down; each narrows in proportion on a short window.
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

struct AdultControl {
    const char* key; // the multiplication sign in "5×" is U+00D7
    const char* desc;
};

constexpr AdultControl kAdultControls[] = {
    {"Hold M", "Return to this menu (5 seconds)"},
    {"Hold Esc", "Quit Wigglepad (3 seconds)"},
    {"5× click top-right", "Open the exit confirmation"},
    {"Four-finger swipe", "Switch Spaces (when enabled above)"},
};

RoundedPanel::Look adultControlsLook() {
    QColor outline = LightAppearance::gray();
    outline.setAlphaF(kBoxOutlineOpacity);
    return {kBoxRadius, QColor::fromRgbF(1.0f, 1.0f, 1.0f, kBoxFillOpacity), outline, 1.0};
}

} // namespace

MenuView::MenuView(AppState& state, const QColor& ink, const QColor& muted, SettingsStore& settings,
                   NotificationCenter& notifications, QWidget* parent)
    : AdultScreen(parent)
    , state_(state)
    , settings_(settings)
    , notifications_(notifications)
    , column_(new FittingColumn(kSidePadding, this))
    , update_(new DeferredUpdate([this](const std::optional<Animation>& a) { refresh(a); }, this))
    , subscription_(state.objectWillChange.subscribe([this] { update_->request(); })) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildSections(ink, muted);
}

MenuView::~MenuView() {
    state_.objectWillChange.unsubscribe(subscription_);
}

double MenuView::gapScale() const {
    return column_->gapScale();
}

void MenuView::buildSections(const QColor& ink, const QColor& muted) {
    column_->addGap(kEdgeGap);
    column_->addSection(
        styledLabel(tr("Wigglepad"), TypeScale::rounded(kTitlePixelSize), kTitleColour));
    column_->addGap(kSectionGap);
    column_->addSection(
        styledLabel(tr("Choose a mode"), TypeScale::font(TextStyle::title3), muted));
    column_->addGap(kSectionGap);
    column_->addSection(makeCardRow(ink, muted));
    column_->addGap(kAboveSwitch);
    column_->addSection(makeSwipeSwitch(ink, muted));
    column_->addGap(kBetweenSwitches);
    column_->addSection(makeSoundSwitch(ink, muted));
    column_->addGap(kAboveStart);
    column_->addSection(makeStartButton());
    column_->addGap(kSectionGap);
    column_->addSection(makeAdultControls(ink, muted));
    column_->addGap(kAboveFootnote);
    QLabel* footnote = styledLabel(tr("Your choice is remembered for next time."),
                                   TypeScale::font(TextStyle::footnote), muted);
    footnote->setAlignment(Qt::AlignHCenter);
    column_->addSection(footnote);
    column_->addGap(kEdgeGap);
}

QWidget* MenuView::makeCardRow(const QColor& ink, const QColor& muted) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kCardSpacing);
    for (const PlayMode mode : kAllPlayModes) {
        auto* card = new ModeCard(mode, state_.mode.get() == mode, ink, muted,
                                  [this, mode] { chooseMode(mode); });
        card->setFocusPolicy(Qt::TabFocus);
        layout->addWidget(card, 0, Qt::AlignVCenter);
        cards_.push_back(card);
    }
    return row;
}

QWidget* MenuView::makeSwipeSwitch(const QColor& ink, const QColor& muted) {
    swipeSwitch_ = new SwitchToggle;
    swipeSwitch_->setChecked(state_.allowSwipe.get());
    connect(swipeSwitch_, &QAbstractButton::clicked, this, &MenuView::setSwipeAllowed);
    return makeSwitchRow(tr("Allow four-finger swipe between Spaces"),
                         tr("Lets adults swipe away from Wigglepad using a trackpad "
                            "gesture (must be enabled in System Settings → Trackpad)."),
                         swipeSwitch_, ink, muted);
}

QWidget* MenuView::makeSoundSwitch(const QColor& ink, const QColor& muted) {
    soundSwitch_ = new SwitchToggle;
    soundSwitch_->setChecked(state_.sound.get());
    connect(soundSwitch_, &QAbstractButton::clicked, this, &MenuView::setSoundOn);
    return makeSwitchRow(tr("Sounds"),
                         tr("Soft tones for every shape; letters and numbers are spoken in "
                            "Letters & Numbers mode."),
                         soundSwitch_, ink, muted);
}

// The texts on the left, the switch at the right end of the row.
QWidget* MenuView::makeSwitchRow(const QString& title, const QString& caption, SwitchToggle* toggle,
                                 const QColor& ink, const QColor& muted) {
    auto* row = new QWidget;
    row->setFixedWidth(kFrameMaxWidth);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(kSwitchTextSpacing);
    texts->addWidget(styledLabel(title, TypeScale::font(TextStyle::headline), ink));
    QLabel* help = styledLabel(caption, TypeScale::font(TextStyle::caption), muted);
    help->setWordWrap(true);
    texts->addWidget(help);
    toggle->setFocusPolicy(Qt::TabFocus);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(kSwitchBesideText);
    layout->addLayout(texts, 1);
    layout->addWidget(toggle, 0, Qt::AlignVCenter);
    // The column would ask the wrapped caption's height for its own, wider width.
    row->setFixedHeight(layout->totalHeightForWidth(kFrameMaxWidth));
    return row;
}

QWidget* MenuView::makeStartButton() {
    auto* button = new StyledButton(StyledButton::Look::borderedProminent);
    button->setText(tr("Start"));
    button->setFont(boldFont(TextStyle::title3));
    button->setControlSize(StyledButton::ControlSize::large);
    button->setLabelSize(kStartLabelSize);
    button->setFocusPolicy(Qt::TabFocus);
    connect(button, &QAbstractButton::clicked, this, &MenuView::start);
    return button;
}

QWidget* MenuView::makeAdultControls(const QColor& ink, const QColor& muted) {
    auto* box = new RoundedPanel(adultControlsLook());
    box->setFixedWidth(kFrameMaxWidth + 2 * kBoxPadding);
    auto* list = new QVBoxLayout(box);
    list->setContentsMargins(kBoxPadding, kBoxPadding, kBoxPadding, kBoxPadding);
    list->setSpacing(kBoxSpacing);
    list->addWidget(styledLabel(tr("Adult Controls"), TypeScale::font(TextStyle::headline), ink), 0,
                    Qt::AlignLeft);
    for (const AdultControl& control : kAdultControls)
        list->addWidget(new ControlRow(QString::fromUtf8(control.key),
                                       QString::fromUtf8(control.desc), ink, muted),
                        0, Qt::AlignLeft);
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
    settings_.setBool(kAllowSwipeKey, allowed);
    notifications_.post(kSwipeChangedNotification);
}

void MenuView::setSoundOn(bool on) {
    state_.sound.set(on);
    settings_.setBool(kSoundKey, on);
    notifications_.post(kSoundChangedNotification);
}

void MenuView::start() {
    saveMode(settings_, state_.mode.get());
    settings_.setBool(kAllowSwipeKey, state_.allowSwipe.get());
    notifications_.post(kSwipeChangedNotification);
    settings_.setBool(kSoundKey, state_.sound.get());
    notifications_.post(kSoundChangedNotification);
    withAnimation([this] { state_.showMenu.set(false); });
}

void MenuView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
}

void MenuView::resizeEvent(QResizeEvent*) {
    column_->fitInto(rect());
}

// The menu is the whole screen: a click beside its controls ends here.
} // namespace wigglepad
