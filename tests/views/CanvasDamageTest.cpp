// Which part of the canvas a frame repaints: everything once anything besides bubbles and the
// cursor is shown, and the leftovers of the frame before. Whether their squares alone leave the
// screen right is PlayViewTest's to see, against a whole repaint.
#include "CanvasDamage.h"

#include "MemorySettingsStore.h"
#include "ViewTestKit.h"

#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QSize kCanvas(1280, 800);
const QRect kWhole(QPoint(), kCanvas);

TEST(CanvasDamageTest,
     AnythingBesidesBubblesOrAnInvalidationRepaintsTheWholeCanvasAndOnceMoreAfterIt) {
    MemorySettingsStore settings;
    PlayStateOnFakes play{settings};
    AppState& state = play.state;
    CanvasDamage damage;
    addBubble(state, {200, 200}, 40);
    damage.next(state, kCanvas); // the first frame paints everything
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
    const double reach = 40 + CanvasDamage::kBubbleMargin; // the square its drawing stays within
    EXPECT_EQ(damage.next(state, kCanvas),
              QRegion(QRectF(200 - reach, 200 - reach, 2 * reach, 2 * reach).toAlignedRect()))
        << "the last bubble";
    EXPECT_TRUE(damage.next(state, kCanvas).isEmpty()) << "an empty surface";
}

} // namespace
} // namespace wigglepad
