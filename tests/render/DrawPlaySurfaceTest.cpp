#include "DrawPlaySurface.h"

#include "RenderFixture.h"

#include <QPainter>

namespace wigglepad {
namespace {

using DrawPlaySurfaceTest = RenderFixture;

// Bubbles lie under everything else, even a figure made before them.
TEST_F(DrawPlaySurfaceTest, BubbleShowsBodyHighlightAndRimUnderEverythingElse) {
    addShape({230, 150}, 20, 0, 2);
    state.bubbles.unannounced().push_back({{}, {200, 150}, {}, palette()[1], 50});
    const QImage image = render();
    const QColor body = onBackground(1, 0.5);
    EXPECT_TRUE(looksLike(at(image, 200, 180), body));
    const QColor highlight = blend(body, Qt::white, 0.3); // a disc of 20 centred at y = 132.5
    EXPECT_TRUE(looksLike(at(image, 200, 124), highlight));
    EXPECT_TRUE(looksLike(at(image, 200, 141), highlight));
    EXPECT_TRUE(looksLike(at(image, 200, 144), body));
    EXPECT_FALSE(looksLike(at(image, 250, 150), body)) << "the rim lies on the outline";
    EXPECT_TRUE(looksLike(at(image, 200, 203), kBackground));
    EXPECT_TRUE(looksLike(at(image, 230, 150), colour(2)));
}

TEST_F(DrawPlaySurfaceTest, LeavesThePaintersStateAsItFoundIt) {
    QImage image(kCanvas, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setOpacity(0.4);
    painter.setBrush(Qt::green);
    state.cursorPosition.set(Point{100, 100});
    drawPlaySurface(painter, QSizeF(kCanvas), now(), state, kBackground, caches);
    EXPECT_DOUBLE_EQ(painter.opacity(), 0.4);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
}

// Pre-rendered figures, characters, bubbles and ribbons look the same at either pixel density,
// and whether their caches are cold or warm.
TEST_F(DrawPlaySurfaceTest, DenseScreenGetsTheSameFrameInTwiceThePixels) {
    addShape({100.3, 100.6}, 80, 1, 3);
    addShape({300, 100}, 120, 0, 5).character = "H";
    state.bubbles.unannounced().push_back({{}, {100.2, 230.7}, {}, palette()[1], 40});
    addRibbon({200, 180}, {380, 280}, 12);
    const QImage single = render();
    EXPECT_EQ(render(), single);
    const QImage dense =
        render(kCanvas, 2.0).scaled(kCanvas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            ASSERT_TRUE(near(single.pixelColor(x, y), dense.pixelColor(x, y), 24))
                << "only antialiased edges may differ, and only a little: " << x << ", " << y;
        }
    }
}

} // namespace
} // namespace wigglepad
