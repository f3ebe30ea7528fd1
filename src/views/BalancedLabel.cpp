#include "BalancedLabel.h"

#include <QPainter>
#include <QStyle>

namespace wigglepad {

namespace {

constexpr int kUnbounded = 1 << 20;

} // namespace

BalancedLabel::BalancedLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {
    setWordWrap(true);
}

// The narrowest width with as few lines as `width` allows, found by halving: narrower never
// means fewer lines.
int BalancedLabel::balancedWidth(int width) const {
    const int lines = textHeight(width);
    int fits = width;
    int tooNarrow = width / 2;
    while (fits - tooNarrow > 1) {
        const int middle = (fits + tooNarrow) / 2;
        (textHeight(middle) == lines ? fits : tooNarrow) = middle;
    }
    return fits;
}

int BalancedLabel::textHeight(int width) const {
    return fontMetrics()
        .boundingRect(QRect(0, 0, width, kUnbounded), Qt::TextWordWrap, text())
        .height();
}

// As the label paints itself, only in the balanced width.
void BalancedLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QRect lines = contentsRect();
    lines.setWidth(balancedWidth(lines.width()));
    style()->drawItemText(&painter, lines, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          palette(), isEnabled(), text(), foregroundRole());
}

} // namespace wigglepad
