#include "SwitchToggle.h"

#include "AnimationTransaction.h"
#include "LightAppearance.h"
#include "Pixels.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

bool knobSettlesAt(const SwitchToggle& toggle, qreal end) {
    return QTest::qWaitFor([&] { return toggle.knobPosition() == end; });
}

// A point of the track clear of the knob, which sits at the end of the current state.
QColor trackColour(SwitchToggle& toggle) {
    const QImage image = paintedOver(toggle, Qt::white);
    const int x = toggle.isChecked() ? 6 : image.width() - 6;
    return image.pixelColor(x, image.height() / 2);
}

TEST(SwitchToggleTest, AClickFlipsItTheKnobSlidesOverAndTheTrackTakesTheAccent) {
    SwitchToggle toggle;
    toggle.resize(toggle.sizeHint());
    EXPECT_FALSE(near(trackColour(toggle), LightAppearance::accent(), 40));
    QSignalSpy toggled(&toggle, &SwitchToggle::toggled);
    QTest::mouseClick(&toggle, Qt::LeftButton);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_LT(toggle.knobPosition(), 1.0) << "the knob slides rather than jumps";
    EXPECT_TRUE(knobSettlesAt(toggle, 1.0));
    EXPECT_TRUE(near(trackColour(toggle), LightAppearance::accent()));

    QTest::mouseClick(&toggle, Qt::LeftButton);
    EXPECT_TRUE(knobSettlesAt(toggle, 0.0));
}

// The menu sets the switch from the state on every update: that must not animate.
TEST(SwitchToggleTest, SettingItMovesTheKnobAtOnceUnlessAnimated) {
    SwitchToggle toggle;
    toggle.setChecked(true);
    EXPECT_EQ(toggle.knobPosition(), 1.0);
    withAnimation([&] { toggle.setChecked(false); });
    EXPECT_GT(toggle.knobPosition(), 0.0);
    EXPECT_TRUE(knobSettlesAt(toggle, 0.0));
}

} // namespace
} // namespace wigglepad
