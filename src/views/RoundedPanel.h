#pragma once

#include <QColor>
#include <QWidget>

class QPainter;

namespace wigglepad {

// A pane with continuous rounded corners, filled and optionally outlined, behind whatever the
// caller lays out in it (the adult-controls box). The outline is drawn centred on the shape's
// edge, with the shape drawn just inside the bounds so that no outline is cut off.
class RoundedPanel : public QWidget {
    Q_OBJECT
public:
    struct Look {
        qreal radius = 0.0;
        QColor fill;
        QColor outline = Qt::transparent;
        qreal outlineWidth = 0.0;
    };

    explicit RoundedPanel(const Look& look, QWidget* parent = nullptr);

    // The same pane painted into `bounds`, for widgets that draw one behind part of themselves.
    static void paint(QPainter& painter, const QRectF& bounds, const Look& look);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look look_;
};

} // namespace wigglepad
