#pragma once

#include <QObject>

class QWidget;

namespace wigglepad {

// Keeps a full-window layer covering its parent exactly, whatever size the parent takes, so
// the dimming and the menu's ground reach every edge. The layer owns it.
class ParentCover : public QObject {
    Q_OBJECT
public:
    explicit ParentCover(QWidget* layer);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* layer_;
};

} // namespace wigglepad
