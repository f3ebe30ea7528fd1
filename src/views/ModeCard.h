#pragma once

#include "PlayMode.h"
#include "StyledButton.h"

#include <QColor>
#include <functional>

namespace wigglepad {

// One selectable card of the mode menu: the mode's title, the age it suits and what it does, on
// a 320 x 240 card that is pale blue with an accent outline when selected and white with a faint
// outline otherwise. The whole card is one plain button; clicking it runs `action`. A card in a
// menu shrunk to fit a small screen is drawn at `scale` of all these lengths.
class ModeCard : public StyledButton {
    Q_OBJECT
public:
    static constexpr QSize kSize{320, 240};

    // `ink` colours the title and the description, `muted` the age label.
    ModeCard(PlayMode mode, bool isSelected, const QColor& ink, const QColor& muted,
             std::function<void()> action, double scale = 1.0, QWidget* parent = nullptr);

    PlayMode mode() const { return mode_; }
    bool isSelected() const { return isSelected_; }
    void setSelected(bool selected);

    QSize sizeHint() const override { return kSize * scale_; }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* makeFace(const QColor& ink, const QColor& muted);
    void paintFocusRing(QPainter& painter) const;

    PlayMode mode_;
    bool isSelected_;
    double scale_;
};

} // namespace wigglepad
