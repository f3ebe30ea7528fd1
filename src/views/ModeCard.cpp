#include "ModeCard.h"

#include "LightAppearance.h"
#include "RoundedPanel.h"
#include "StyledLabel.h"
#include "TypeScale.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <utility>

namespace wigglepad {

namespace {

constexpr int kPadding = 20; // around the 280 x 200 text frame
constexpr int kSpacing = 10;
constexpr qreal kRadius = 18.0;
constexpr qreal kSelectedOutlineWidth = 3.0;
constexpr float kOutlineOpacity = 0.25f;
constexpr float kDescriptionOpacity = 0.85f;
constexpr int kPressedDarkerPercent = 104;
const QColor kSelectedFill = QColor::fromRgbF(0.85f, 0.92f, 1.0f);

// Inside the outline, so it shows on a selected card too; a Tab focus ring for adults.
constexpr qreal kFocusRingInset = 6.0;
constexpr qreal kFocusRingWidth = 2.0;
constexpr float kFocusRingOpacity = 0.6f;

// Marked for translation here, translated where shown.
struct CardTexts {
    const char* title;
    const char* age; // the ranges use an en dash
    const char* description;
};

CardTexts textsFor(PlayMode mode) {
    switch (mode) {
    case PlayMode::sensory:
        return {
            QT_TRANSLATE_NOOP("wigglepad::ModeCard", "Sensory Play"),
            QT_TRANSLATE_NOOP("wigglepad::ModeCard", "0–12 months"),
            QT_TRANSLATE_NOOP("wigglepad::ModeCard",
                              "Colorful shapes, trails, and bubbles. Every press paints something "
                              "new.")};
    case PlayMode::lettersNumbers:
        return {QT_TRANSLATE_NOOP("wigglepad::ModeCard", "Letters & Numbers"),
                QT_TRANSLATE_NOOP("wigglepad::ModeCard", "12+ months"),
                QT_TRANSLATE_NOOP("wigglepad::ModeCard",
                                  "Letter and number keys spawn the matching character. Other keys "
                                  "spawn shapes.")};
    }
    return textsFor(PlayMode::sensory);
}

} // namespace

ModeCard::ModeCard(PlayMode mode, bool isSelected, const QColor& ink, const QColor& muted,
                   std::function<void()> action, double scale, QWidget* parent)
    : StyledButton(Look::plain, parent)
    , mode_(mode)
    , isSelected_(isSelected)
    , scale_(scale) {
    setFixedSize(sizeHint());
    setLabel(makeFace(ink, muted));
    setAccessibleName(tr(textsFor(mode).title));
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
}

QWidget* ModeCard::makeFace(const QColor& ink, const QColor& muted) {
    const CardTexts texts = textsFor(mode_);
    QColor description = ink;
    description.setAlphaF(ink.alphaF() * kDescriptionOpacity);
    auto* face = new QWidget;
    auto* column = new QVBoxLayout(face);
    const int padding = qRound(kPadding * scale_);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(qRound(kSpacing * scale_));
    const auto font = [this](const QFont& unscaled) { return TypeScale::scaled(unscaled, scale_); };
    column->addWidget(styledLabel(tr(texts.title), font(boldFont(TextStyle::title2)), ink));
    column->addWidget(
        styledLabel(tr(texts.age), font(TypeScale::font(TextStyle::subheadline)), muted));
    QLabel* body =
        styledLabel(tr(texts.description), font(TypeScale::font(TextStyle::body)), description);
    body->setWordWrap(true);
    column->addWidget(body);
    column->addStretch();
    return face;
}

void ModeCard::setSelected(bool selected) {
    if (selected == isSelected_)
        return;
    isSelected_ = selected;
    update();
}

void ModeCard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor fill = isSelected_ ? kSelectedFill : QColor(Qt::white);
    if (isDown())
        fill = fill.darker(kPressedDarkerPercent);
    QColor outline = LightAppearance::gray();
    outline.setAlphaF(kOutlineOpacity);
    const RoundedPanel::Look look =
        isSelected_ ? RoundedPanel::Look{kRadius * scale_, fill, LightAppearance::accent(),
                                         kSelectedOutlineWidth * scale_}
                    : RoundedPanel::Look{kRadius * scale_, fill, outline, 1.0};
    RoundedPanel::paint(painter, rect(), look);
    paintFocusRing(painter);
}

void ModeCard::paintFocusRing(QPainter& painter) const {
    if (!hasFocus())
        return;
    QColor ring = LightAppearance::accent();
    ring.setAlphaF(kFocusRingOpacity);
    const qreal inset = kFocusRingInset * scale_;
    const QRectF bounds = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    RoundedPanel::paint(
        painter, bounds,
        {(kRadius - kFocusRingInset) * scale_, Qt::transparent, ring, kFocusRingWidth});
}

} // namespace wigglepad
