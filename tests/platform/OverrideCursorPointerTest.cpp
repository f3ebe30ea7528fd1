// The counted pointer, on the offscreen platform.
#include "OverrideCursorPointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

// Hides and unhides are counted; the pointer's override cursor sits on top of any other.
TEST(OverrideCursorPointerTest, OneUnhideUndoesOneHideAndASurplusUnhideGivesNoCredit) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    {
        OverrideCursorPointer pointer;
        pointer.unhide();
        pointer.hide();
        pointer.hide();
        pointer.unhide();
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor) << "one left";
        pointer.unhide();
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointer.hide();
        pointer.hide();
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << "destruction gave back its hides";
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "every pushed cursor was popped";
}

} // namespace
} // namespace wigglepad
