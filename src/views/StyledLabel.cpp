#include "StyledLabel.h"

#include "TypeScale.h"

#include <QLabel>

namespace wigglepad {

QLabel* styledLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    applyTextStyle(*label, font, colour);
    return label;
}

void applyTextStyle(QLabel& label, const QFont& font, const QColor& colour) {
    label.setTextFormat(Qt::PlainText);
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, colour);
    label.setPalette(palette);
    // Inside a button a label would otherwise take the button-text colour.
    label.setForegroundRole(QPalette::WindowText);
}

QFont boldFont(TextStyle style) {
    QFont font = TypeScale::font(style);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace wigglepad
