#include "ControlRow.h"

#include "LightAppearance.h"
#include "RoundedPanel.h"
#include "StyledLabel.h"
#include "TypeScale.h"

#include <QLabel>
#include <QPainter>
#include <algorithm>

namespace wigglepad {

namespace {

constexpr int kChipSlotWidth = 170;
constexpr int kSpacing = 12;
constexpr QMargins kChipPadding{8, 3, 8, 3};
constexpr qreal kChipRadius = 6.0;
constexpr float kChipOpacity = 0.15f;

QFont chipFont(double scale) {
    QFont font = TypeScale::monospaced(TextStyle::subheadline);
    font.setWeight(QFont::DemiBold);
    return TypeScale::scaled(font, scale);
}

QMargins scaled(const QMargins& margins, double scale) {
    return {qRound(margins.left() * scale), qRound(margins.top() * scale),
            qRound(margins.right() * scale), qRound(margins.bottom() * scale)};
}

} // namespace

ControlRow::ControlRow(const QString& key, const QString& desc, const QColor& ink,
                       const QColor& muted, double scale, QWidget* parent)
    : QWidget(parent)
    , scale_(scale)
    , key_(styledLabel(key, chipFont(scale), ink, this))
    , desc_(styledLabel(desc, TypeScale::scaled(TypeScale::font(TextStyle::subheadline), scale),
                        muted, this)) {
    key_->setContentsMargins(scaled(kChipPadding, scale));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    placeTexts();
}

// The texts share a baseline: whichever sits lower from its top sets it.
void ControlRow::placeTexts() {
    key_->adjustSize();
    desc_->adjustSize();
    const int keyAscent = key_->contentsMargins().top() + key_->fontMetrics().ascent();
    const int descAscent = desc_->fontMetrics().ascent();
    const int baseline = std::max(keyAscent, descAscent);
    key_->move(0, baseline - keyAscent);
    desc_->move(qRound((kChipSlotWidth + kSpacing) * scale_), baseline - descAscent);
}

QSize ControlRow::sizeHint() const {
    const QRect both = key_->geometry().united(desc_->geometry());
    return {both.right() + 1, both.bottom() + 1};
}

void ControlRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor chip = LightAppearance::gray();
    chip.setAlphaF(kChipOpacity);
    RoundedPanel::paint(painter, key_->geometry(), {kChipRadius * scale_, chip});
}

} // namespace wigglepad
