#include "OverrideCursorPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace wigglepad {
namespace {

// The override-cursor stack lives in the application object; without one there is no pointer.
bool haveApplication() {
    return QGuiApplication::instance() != nullptr;
}

} // namespace

OverrideCursorPointer::~OverrideCursorPointer() {
    showAll();
}

void OverrideCursorPointer::hide() {
    if (haveApplication()) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    }
    ++hides_;
}

void OverrideCursorPointer::unhide() {
    if (hides_ == 0) {
        return;
    }
    if (haveApplication()) {
        QGuiApplication::restoreOverrideCursor();
    }
    --hides_;
}

void OverrideCursorPointer::showAll() {
    while (hides_ > 0) {
        unhide();
    }
}

} // namespace wigglepad
