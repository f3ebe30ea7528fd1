#include "ControlRow.h"

#include "LightAppearance.h"
#include "RoundedPanel.h"
#include "TypeScale.h"
#include "styledLabel.h"

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

QFont chipFont() {
    QFont font = TypeScale::monospaced(TextStyle::subheadline);
    font.setWeight(QFont::DemiBold);
    return font;
}

} // namespace

ControlRow::ControlRow(const QString& key, const QString& desc, const QColor& ink,
                       const QColor& muted, QWidget* parent)
    : QWidget(parent)
    , key_(styledLabel(key, chipFont(), ink, this))
    , desc_(styledLabel(desc, TypeScale::font(TextStyle::subheadline), muted, this)) {
    key_->setContentsMargins(kChipPadding);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    placeTexts();
}

// The texts share a baseline: whichever sits lower from its top sets it.
void ControlRow::placeTexts() {
    key_->adjustSize();
    desc_->adjustSize();
    const int keyAscent = kChipPadding.top() + key_->fontMetrics().ascent();
    const int descAscent = desc_->fontMetrics().ascent();
    const int baseline = std::max(keyAscent, descAscent);
    key_->move(0, baseline - keyAscent);
    desc_->move(kChipSlotWidth + kSpacing, baseline - descAscent);
}

QSize ControlRow::sizeHint() const {
    const QRect both = key_->geometry().united(desc_->geometry());
    return {both.right() + 1, both.bottom() + 1};
}

void ControlRow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor chip = LightAppearance::gray();
    chip.setAlphaF(kChipOpacity);
    RoundedPanel::paint(painter, key_->geometry(), {kChipRadius, chip});
}

} // namespace wigglepad
