// The counted pointer and the primary screen's size, on the offscreen platform.
#include "OverrideCursorPointer.h"
#include "QtScreenSource.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

bool pointerShown() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor == nullptr || cursor->shape() != Qt::BlankCursor;
}

TEST(OverrideCursorPointerTest, OneUnhideUndoesOneHide) {
    OverrideCursorPointer pointer;
    pointer.hide();
    pointer.hide();
    EXPECT_FALSE(pointerShown());
    pointer.unhide();
    EXPECT_FALSE(pointerShown()) << "one hide is still outstanding";
    pointer.unhide();
    EXPECT_TRUE(pointerShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "every pushed cursor was popped";
}

TEST(OverrideCursorPointerTest, ASurplusUnhideGivesNoCreditForALaterHide) {
    OverrideCursorPointer pointer;
    pointer.unhide();
    pointer.unhide();
    pointer.hide();
    EXPECT_FALSE(pointerShown());
    EXPECT_EQ(pointer.outstandingHides(), 1);
    pointer.unhide();
    EXPECT_TRUE(pointerShown());
}

TEST(OverrideCursorPointerTest, LeavesAnotherOverrideCursorInPlaceAndShowsAllOnTheWayOut) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    {
        OverrideCursorPointer pointer;
        pointer.hide();
        pointer.hide();
        pointer.showAll();
        EXPECT_FALSE(pointer.isHidden());
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        pointer.hide();
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr) << "destruction gave back its hide";
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QGuiApplication::restoreOverrideCursor();
}

TEST(QtScreenSourceTest, ReportsThePrimaryScreensLogicalSize) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_NE(primary, nullptr);
    const auto size = QtScreenSource().mainScreenSize();
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->width, primary->geometry().width());
    EXPECT_EQ(size->height, primary->geometry().height());
    EXPECT_GT(size->width, 0.0);
}

} // namespace
} // namespace wigglepad
