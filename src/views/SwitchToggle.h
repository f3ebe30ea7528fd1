#pragma once

#include <QAbstractButton>

class QVariantAnimation;

namespace wigglepad {

// A switch-style on/off toggle in the light appearance: a rounded track, accent-coloured when
// on, with a white knob that slides to the side of the new state. A click or, once a caller made
// it focusable, the Space key flips it with the knob sliding; setChecked() moves the knob at once
// unless it is called inside an animation transaction. The label is the caller's to place.
class SwitchToggle : public QAbstractButton {
    Q_OBJECT
public:
    explicit SwitchToggle(QWidget* parent = nullptr);

    // Where the knob is drawn: 0 at the off end, 1 at the on end.
    qreal knobPosition() const { return knobPosition_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void checkStateSet() override;

private:
    void moveKnob(bool animated);
    void paintTrack(QPainter& painter) const;
    void paintKnob(QPainter& painter) const;

    qreal knobPosition_ = 0.0;
    QVariantAnimation* knobAnimation_;
};

} // namespace wigglepad
