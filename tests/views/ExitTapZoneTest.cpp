// The exit tap zone: runs of rapid clicks, measured on a hand-driven clock.
#include "ExitTapZone.h"

#include "ChangePublisher.h"
#include "FakeClock.h"
#include "Pixels.h"

#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace wigglepad {
namespace {

class ExitTapZoneTest : public ::testing::Test {
protected:
    ExitTapZoneTest() { zone.resize(44, 44); }

    // Clicks after each pause; returns the click (1-based) that opened the confirmation, or 0.
    int clickAfterPauses(const std::vector<double>& pauses) {
        for (std::size_t i = 0; i < pauses.size(); ++i) {
            clock.advance(pauses[i]);
            zone.handleTap();
            if (showConfirm.get())
                return static_cast<int>(i) + 1;
        }
        return 0;
    }

    FakeClock clock;
    ChangePublisher publisher;
    Published<bool> showConfirm{publisher, false};
    ExitTapZone zone{showConfirm, clock};
};

// Pauses of up to 2.0 s keep a run going; a longer one starts a new run with that click.
TEST_F(ExitTapZoneTest, FiveClicksInOneRunOpenTheConfirmation) {
    struct Row {
        std::vector<double> pauses;
        int opensOn;
    };
    for (const Row& row : {Row{{0.0, 2.0, 2.0, 2.0, 2.0}, 5}, Row{{0.1, 0.1, 0.1, 0.1}, 0},
                           Row{{0.0, 1, 1, 3, 1, 1, 1, 1}, 8}, Row{{0, 1, 1, 1, 2.001, 1}, 0}}) {
        SCOPED_TRACE(::testing::PrintToString(row.pauses));
        clock.advance(10.0); // a fresh run
        EXPECT_EQ(clickAfterPauses(row.pauses), row.opensOn);
        showConfirm.set(false);
    }
}

TEST_F(ExitTapZoneTest, AnOpeningStartsTheCountAgain) {
    EXPECT_EQ(clickAfterPauses({0.0, 0.1, 0.1, 0.1, 0.1}), 5) << "the first tap counts";
    showConfirm.set(false);
    EXPECT_EQ(clickAfterPauses({0.1, 0.1, 0.1, 0.1}), 0) << "four more clicks are not enough";
    EXPECT_EQ(clickAfterPauses({0.1}), 1);
}

TEST_F(ExitTapZoneTest, OnlyLeftClicksThatEndInsideTheZoneCount) {
    QTest::mouseClick(&zone, Qt::LeftButton, {}, QPoint(22, 22));
    EXPECT_EQ(zone.tapCount(), 1);
    QTest::mouseClick(&zone, Qt::RightButton, {}, QPoint(22, 22));
    EXPECT_EQ(zone.tapCount(), 1);
    QTest::mousePress(&zone, Qt::LeftButton, {}, QPoint(22, 22));
    QTest::mouseRelease(&zone, Qt::LeftButton, {}, QPoint(80, 22));
    EXPECT_EQ(zone.tapCount(), 1) << "dragged out of the zone before letting go";

    // A quick second click brings a double-click notice between its press and its release. At a
    // ratio of 2 the screen's very corner pixel lies half a point inside the zone's far edge.
    const QPointF inside(43.5, 0.0);
    for (const QEvent::Type type :
         {QEvent::MouseButtonPress, QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, inside, zone.mapToGlobal(inside), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&zone, &event);
    }
    EXPECT_EQ(zone.tapCount(), 2) << "one click, not two";
}

TEST_F(ExitTapZoneTest, TheZoneShowsNothingAtAnyCount) {
    const QColor ground(200, 40, 90);
    for (int taps = 0; taps < ExitTapZone::requiredTaps; ++taps) {
        EXPECT_EQ(countNear(paintedOver(zone, ground), ground, 0), 44 * 44) << taps << " taps";
        zone.handleTap();
    }
}

} // namespace
} // namespace wigglepad
