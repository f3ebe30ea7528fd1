// Which part of the canvas a frame repaints: the squares of the bubbles and the cursor while
// only they are shown, everything once anything else is, and the leftovers of the frame before.
#include "CanvasDamage.h"

#include "MemorySettingsStore.h"
#include "PlayStateOnFakes.h"
#include "drawCursorMarker.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QSize kCanvas(1280, 800);
const QRect kWhole(QPoint(), kCanvas);

class CanvasDamageTest : public ::testing::Test {
protected:
    CanvasDamageTest() {
        addBubble({200, 200}, 40);
        damage.next(state, kCanvas); // the first frame paints everything
    }

    void addBubble(Point at, double radius) {
        state.bubbles.modify([&](auto& bubbles) {
            Bubble bubble;
            bubble.position = at;
            bubble.radius = radius;
            bubbles.push_back(bubble);
        });
    }

    static QRect squareAround(Point at, double reach) {
        return QRectF(at.x - reach, at.y - reach, 2 * reach, 2 * reach).toAlignedRect();
    }
    // The square a bubble's drawing stays within.
    static QRect square(Point at, double radius) {
        return squareAround(at, radius + CanvasDamage::kBubbleMargin);
    }

    MemorySettingsStore settings;
    PlayStateOnFakes play{settings};
    AppState& state = play.state;
    CanvasDamage damage;
};

TEST_F(CanvasDamageTest, DriftingBubblesRepaintWhereTheyAreAndWhereTheyWere) {
    damage.next(state, kCanvas);
    state.bubbles.modify([](auto& bubbles) { bubbles.front().position = {230, 210}; });
    addBubble({900, 600}, 30);
    const QRegion repainted = damage.next(state, kCanvas);
    EXPECT_EQ(repainted,
              QRegion(square({200, 200}, 40)) + square({230, 210}, 40) + square({900, 600}, 30));
    EXPECT_FALSE(repainted.contains(QPoint(640, 100)));
}

TEST_F(CanvasDamageTest, ACursorRepaintsItsSquareWhereItIsAndWhereItWas) {
    damage.next(state, kCanvas);
    state.cursorPosition.set(Point{500, 500});
    const double reach = kCursorMarkerReach + CanvasDamage::kCursorMargin;
    EXPECT_EQ(damage.next(state, kCanvas),
              QRegion(square({200, 200}, 40)) + squareAround({500, 500}, reach));
    state.cursorPosition.set(std::nullopt);
    EXPECT_EQ(damage.next(state, kCanvas),
              QRegion(square({200, 200}, 40)) + squareAround({500, 500}, reach))
        << "the cursor must be wiped away";
    EXPECT_EQ(damage.next(state, kCanvas), QRegion(square({200, 200}, 40)));
}

TEST_F(CanvasDamageTest,
       AnythingBesidesBubblesOrAnInvalidationRepaintsTheWholeCanvasAndOnceMoreAfterIt) {
    damage.next(state, kCanvas);
    state.exitProgress.set(0.2);
    EXPECT_EQ(damage.next(state, kCanvas), QRegion(kWhole)) << "a hold bar";
    state.exitProgress.set(0.0);
    state.trail.modify([](auto& trail) { trail.push_back({}); });
    EXPECT_EQ(damage.next(state, kCanvas), QRegion(kWhole)) << "a trail";
    state.trail.set({});
    damage.next(state, kCanvas);
    damage.invalidate();
    EXPECT_EQ(damage.next(state, kCanvas), QRegion(kWhole)) << "invalidated";

    state.bubbles.set({});
    EXPECT_EQ(damage.next(state, kCanvas), QRegion(square({200, 200}, 40))) << "the last bubble";
    EXPECT_TRUE(damage.next(state, kCanvas).isEmpty()) << "an empty surface";
}

} // namespace
} // namespace wigglepad
