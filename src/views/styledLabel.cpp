#include "styledLabel.h"

#include "TypeScale.h"

#include <QLabel>

namespace wigglepad {

QLabel* styledLabel(const QString& text, const QFont& font, const QColor& colour, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    return label;
}

QFont boldFont(TextStyle style) {
    QFont font = TypeScale::font(style);
    font.setWeight(QFont::Bold);
    return font;
}

} // namespace wigglepad
