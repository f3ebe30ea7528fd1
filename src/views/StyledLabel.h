#pragma once

#include "TextStyle.h"

#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace wigglepad {

// A plain-text label in `font` and `colour`, whatever the desktop theme says.
QLabel* styledLabel(const QString& text, const QFont& font, const QColor& colour,
                    QWidget* parent = nullptr);

// Gives a label of the caller's that plain text, font and colour.
void applyTextStyle(QLabel& label, const QFont& font, const QColor& colour);

// The style's face in bold, for titles and the Start caption.
QFont boldFont(TextStyle style);

} // namespace wigglepad
