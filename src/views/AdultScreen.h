#pragma once

#include <QWidget>

namespace wigglepad {

// What every full-window screen for adults shares: it covers its whole parent in the light
// appearance, takes the clicks beside its controls so nothing behind hears them, and keeps the
// keyboard within itself (see OverlayFocus): focused ahead of its controls, Tab going round
// them only, the focus dropped when it hides.
class AdultScreen : public QWidget {
    Q_OBJECT
public:
    explicit AdultScreen(QWidget* parent);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool focusNextPrevChild(bool next) override;
};

} // namespace wigglepad
