#include "ModeCard.h"

#include "LightAppearance.h"
#include "RoundedPanel.h"
#include "TypeScale.h"
#include "styledLabel.h"

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

struct CardTexts {
    const char* title;
    const char* age; // the ranges use an en dash
    const char* description;
};

CardTexts textsFor(PlayMode mode) {
    switch (mode) {
    case PlayMode::sensory:
        return {"Sensory Play", "0–12 months",
                "Colorful shapes, trails, and bubbles. Every press paints something new."};
    case PlayMode::lettersNumbers:
        return {"Letters & Numbers", "12+ months",
                "Letter and number keys spawn the matching character. Other keys spawn shapes."};
    }
    return textsFor(PlayMode::sensory);
}

} // namespace

ModeCard::ModeCard(PlayMode mode, bool isSelected, const QColor& ink, const QColor& muted,
                   std::function<void()> action, QWidget* parent)
    : StyledButton(Look::plain, parent)
    , mode_(mode)
    , isSelected_(isSelected) {
    setFixedSize(kSize);
    setLabel(makeFace(ink, muted));
    setAccessibleName(QString::fromUtf8(textsFor(mode).title));
    connect(this, &QAbstractButton::clicked, this, [action = std::move(action)] { action(); });
}

QWidget* ModeCard::makeFace(const QColor& ink, const QColor& muted) {
    const CardTexts texts = textsFor(mode_);
    QColor description = ink;
    description.setAlphaF(ink.alphaF() * kDescriptionOpacity);
    auto* face = new QWidget;
    auto* column = new QVBoxLayout(face);
    column->setContentsMargins(kPadding, kPadding, kPadding, kPadding);
    column->setSpacing(kSpacing);
    column->addWidget(
        styledLabel(QString::fromUtf8(texts.title), boldFont(TextStyle::title2), ink));
    column->addWidget(
        styledLabel(QString::fromUtf8(texts.age), TypeScale::font(TextStyle::subheadline), muted));
    QLabel* body = styledLabel(QString::fromUtf8(texts.description),
                               TypeScale::font(TextStyle::body), description);
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
        isSelected_
            ? RoundedPanel::Look{kRadius, fill, LightAppearance::accent(), kSelectedOutlineWidth}
            : RoundedPanel::Look{kRadius, fill, outline, 1.0};
    RoundedPanel::paint(painter, rect(), look);
    paintFocusRing(painter);
}

void ModeCard::paintFocusRing(QPainter& painter) const {
    if (!hasFocus())
        return;
    QColor ring = LightAppearance::accent();
    ring.setAlphaF(kFocusRingOpacity);
    const QRectF bounds = QRectF(rect()).adjusted(kFocusRingInset, kFocusRingInset,
                                                  -kFocusRingInset, -kFocusRingInset);
    RoundedPanel::paint(painter, bounds,
                        {kRadius - kFocusRingInset, Qt::transparent, ring, kFocusRingWidth});
}

} // namespace wigglepad
