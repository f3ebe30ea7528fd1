#include "ParentCover.h"

#include <QEvent>
#include <QWidget>

namespace wigglepad {

ParentCover::ParentCover(QWidget* layer)
    : QObject(layer)
    , layer_(layer) {
    if (QWidget* parent = layer->parentWidget()) {
        layer->setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

bool ParentCover::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == layer_->parentWidget())
        layer_->setGeometry(layer_->parentWidget()->rect());
    return false;
}

} // namespace wigglepad
