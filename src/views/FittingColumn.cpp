#include "FittingColumn.h"

#include <QSpacerItem>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace wigglepad {

FittingColumn::FittingColumn(int sidePadding, QWidget* parent)
    : QWidget(parent)
    , layout_(new QVBoxLayout(this)) {
    layout_->setContentsMargins(sidePadding, 0, sidePadding, 0);
    layout_->setSpacing(0);
}

void FittingColumn::addSection(QWidget* section, Qt::Alignment alignment) {
    layout_->addWidget(section, 0, alignment);
}

void FittingColumn::addGap(int height) {
    auto* spacer = new QSpacerItem(0, height, QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout_->addItem(spacer);
    gaps_.push_back({spacer, height});
}

double FittingColumn::fitInto(const QRect& room) {
    const int width = std::min(room.width(), sizeHint().width());
    scaleGaps(1.0);
    int setGaps = 0;
    for (const Gap& gap : gaps_)
        setGaps += gap.height;
    const int sections = heightFor(width) - setGaps;
    const double wanted = setGaps > 0 ? double(room.height() - sections) / setGaps : 1.0;
    scaleGaps(std::clamp(wanted, kMinGapScale, 1.0));
    const QSize size(width, heightFor(width));
    const QPoint topLeft(room.x() + (room.width() - size.width()) / 2,
                         room.y() + (room.height() - size.height()) / 2);
    setGeometry(QRect(topLeft, size));
    layout_->activate();
    return size.height() > room.height() ? double(room.height()) / size.height() : 1.0;
}

void FittingColumn::scaleGaps(double scale) {
    gapScale_ = scale;
    for (const Gap& gap : gaps_)
        gap.spacer->changeSize(0, static_cast<int>(std::floor(gap.height * scale)),
                               QSizePolicy::Minimum, QSizePolicy::Fixed);
    layout_->invalidate();
}

int FittingColumn::heightFor(int width) const {
    return layout_->hasHeightForWidth() ? layout_->totalHeightForWidth(width)
                                        : layout_->totalSizeHint().height();
}

} // namespace wigglepad
