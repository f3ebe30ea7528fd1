// The welcome banner: its look, its close button and how it wraps.
#include "InfoBanner.h"

#include "Pixels.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLayout>
#include <algorithm>
#include <gtest/gtest.h>

namespace wigglepad {
namespace {

const QColor kSlate(64, 64, 77);
constexpr int kWide = 1600;

class InfoBannerTest : public ::testing::Test {
protected:
    InfoBannerTest() { resize(kWide); }
    void resize(int width) {
        banner.resize(width, banner.heightForWidth(width));
        banner.show();
        banner.layout()->activate();
    }
    QRect closeGeometry() const { return banner.closeButton().geometry(); }

    InfoBanner banner{[] {}};
};

// The close button is a light cross in the middle of a faint disc, inset at the top right.
TEST_F(InfoBannerTest, ItsTextsShowInWhiteOnSlateTakeNoFocusAndTheCloseButtonSitsTopRight) {
    EXPECT_EQ(closeGeometry(), QRect(kWide - 24 - 28, 16, 28, 28));
    const QImage image = paintedOver(banner, Qt::red);
    EXPECT_GT(banner.title().font().weight(), banner.instructions().font().weight());
    EXPECT_TRUE(near(image.pixelColor(4, 4), kSlate, 2));
    EXPECT_GT(countNear(image.copy(banner.title().geometry()), Qt::white, 60), 20);
    for (const QWidget* widget : banner.findChildren<QWidget*>())
        EXPECT_EQ(widget->focusPolicy(), Qt::NoFocus) << widget->metaObject()->className();
    const QPoint centre = closeGeometry().center();
    EXPECT_GT(image.pixelColor(centre).lightness(), 170) << "the cross";
    const QColor disc = image.pixelColor(centre + QPoint(0, 8));
    EXPECT_GT(disc.lightness(), kSlate.lightness() + 20);
    EXPECT_LT(disc.lightness(), 150);
}

TEST_F(InfoBannerTest, OnANarrowWindowTheInstructionsWrapAndTheButtonStaysTopRight) {
    const int wideHeight = banner.height();
    resize(420);
    EXPECT_GT(banner.height(), wideHeight + banner.instructions().fontMetrics().height());
    EXPECT_EQ(closeGeometry(), QRect(420 - 24 - 28, 16, 28, 28));
    EXPECT_LE(banner.instructions().geometry().right(), closeGeometry().left() - 12);

    // Two lines of about equal length rather than a full line and a lone word.
    resize(1024);
    const QLabel& text = banner.instructions();
    ASSERT_EQ(text.height() / text.fontMetrics().lineSpacing(), 2);
    const QImage image = paintedOver(banner, kSlate).copy(text.geometry());
    int lineEnds[2] = {0, 0};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).lightness() > 150)
                lineEnds[2 * y / image.height()] = std::max(lineEnds[2 * y / image.height()], x);
    EXPECT_GT(lineEnds[1], lineEnds[0] * 3 / 4);
}

} // namespace
} // namespace wigglepad
