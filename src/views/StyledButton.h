#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QSize>

namespace wigglepad {

// A push button drawn the same on every desktop, in the light appearance:
// - plain: no chrome, only its label (the mode cards, the banner's close button);
// - bordered: an outlined light button ("Cancel");
// - borderedProminent: filled with its tint, the accent unless told otherwise, white text
//   ("Start"; "Exit" with a red tint).
// The label is either the button's text, centred in an optional fixed frame, or a widget of the
// caller's; clicks anywhere on the label press the button. The button takes keyboard focus only
// when a caller sets a focus policy; it has no key equivalent of its own.
class StyledButton : public QAbstractButton {
    Q_OBJECT
public:
    enum class Look { plain, bordered, borderedProminent };
    enum class ControlSize { regular, large };

    explicit StyledButton(Look look, QWidget* parent = nullptr);

    Look look() const { return look_; }
    QColor tint() const { return tint_; }
    void setTint(const QColor& tint);
    void setControlSize(ControlSize size);

    // The text is laid out in a frame of exactly this size, centred.
    void setLabelSize(const QSize& size);

    // Shows `label` instead of the text; the button takes it over.
    void setLabel(QWidget* label);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QMargins chromeMargins() const;
    QSize labelSizeHint() const;
    void paintChrome(QPainter& painter) const;
    void paintFocusRing(QPainter& painter) const;
    qreal radius() const;
    QColor textColor() const;

    Look look_;
    ControlSize controlSize_ = ControlSize::regular;
    QColor tint_;
    QSize labelSize_;
    QWidget* label_ = nullptr;
};

} // namespace wigglepad
