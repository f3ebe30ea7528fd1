#pragma once

#include <QLabel>

namespace wigglepad {

// A word-wrapped label whose lines are about equally long: it breaks its text as narrowly as it
// can without needing another line, so a wrapped sentence never ends in a lone word. It asks
// for the height the plain wrap needs, which is the same.
class BalancedLabel : public QLabel {
    Q_OBJECT
public:
    explicit BalancedLabel(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The width the lines are broken at when the label is `width` wide.
    int balancedWidth(int width) const;
    int textHeight(int width) const;
};

} // namespace wigglepad
