#include "drawPlaySurface.h"

#include "RenderFixture.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace wigglepad {
namespace {

using DrawPlaySurfaceTest = RenderFixture;

TEST_F(DrawPlaySurfaceTest, EmptyStatePaintsOnlyTheBackground) {
    const QImage image = render();
    EXPECT_EQ(countPixels(image, image.rect(), kBackground), image.width() * image.height());
}

TEST_F(DrawPlaySurfaceTest, BubbleShowsBodyHighlightAndRim) {
    Bubble bubble;
    bubble.position = {200, 150};
    bubble.radius = 50;
    bubble.color = palette()[1];
    state.bubbles.modify([&](auto& bubbles) { bubbles.push_back(bubble); });
    const QImage image = render();
    const QColor body = blend(kBackground, colour(1), 0.5);
    EXPECT_TRUE(looksLike(at(image, 200, 180), body));
    const QColor highlight = blend(body, Qt::white, 0.3); // a disc of 20 centred at y = 132.5
    EXPECT_TRUE(looksLike(at(image, 200, 124), highlight));
    EXPECT_TRUE(looksLike(at(image, 200, 141), highlight));
    EXPECT_TRUE(looksLike(at(image, 200, 144), body));
    EXPECT_FALSE(looksLike(at(image, 250, 150), body)) << "the rim lies on the outline";
    EXPECT_TRUE(looksLike(at(image, 200, 203), kBackground));
}

TEST_F(DrawPlaySurfaceTest, BubblesLieUnderEverythingWhateverTheirAge) {
    addShape({200, 150}, 60, 0, 2);
    Bubble late;
    late.position = {200, 150};
    late.radius = 40;
    late.color = palette()[3];
    state.bubbles.modify([&](auto& bubbles) { bubbles.push_back(late); });
    const QImage image = render();
    EXPECT_TRUE(looksLike(at(image, 200, 150), colour(2)));
    EXPECT_TRUE(looksLike(at(image, 200, 185), blend(kBackground, colour(3), 0.5)))
        << "outside the figure the bubble still shows";
}

TEST_F(DrawPlaySurfaceTest, LeavesThePaintersStateAsItFoundIt) {
    QImage image(kCanvas, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setOpacity(0.4);
    painter.setBrush(Qt::green);
    state.cursorPosition.set(Point{100, 100});
    drawPlaySurface(painter, QSizeF(kCanvas), now(), state, kBackground);
    EXPECT_DOUBLE_EQ(painter.opacity(), 0.4);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::green));
}

TEST_F(DrawPlaySurfaceTest, SameFrameTwiceGivesTheSamePicture) {
    addShape({120, 150}, 100, 1, 0).character = "K";
    addShape({300, 150}, 80, 1, 4);
    EXPECT_EQ(render(), render()) << "caches warmed by the first frame change nothing";
}

TEST_F(DrawPlaySurfaceTest, DenseScreenGetsTheSameFrameInTwiceThePixels) {
    addShape({100.3, 100.6}, 80, 1, 3);
    addShape({300, 100}, 120, 0, 5).character = "H";
    Bubble bubble;
    bubble.position = {100.2, 230.7};
    bubble.radius = 40;
    bubble.color = palette()[1];
    state.bubbles.modify([&](auto& bubbles) { bubbles.push_back(bubble); });
    Ribbon ribbon;
    ribbon.startPoint = {200, 220};
    ribbon.endPoint = {380, 260};
    ribbon.control1 = {260, 180};
    ribbon.control2 = {320, 300};
    ribbon.color = palette()[2];
    ribbon.width = 12;
    ribbon.born = now();
    state.ribbons.modify([&](auto& ribbons) { ribbons.push_back(ribbon); });
    const QImage single = render(kCanvas, 1.0);
    const QImage dense =
        render(kCanvas, 2.0).scaled(kCanvas, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    int differing = 0;
    for (int y = 0; y < single.height(); ++y) {
        for (int x = 0; x < single.width(); ++x) {
            const QColor a = single.pixelColor(x, y);
            const QColor b = dense.pixelColor(x, y);
            const int difference =
                std::max({std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                          std::abs(a.blue() - b.blue())});
            differing += difference > 24 ? 1 : 0;
        }
    }
    EXPECT_EQ(differing, 0) << "only antialiased edges may differ, and only a little";
}

} // namespace
} // namespace wigglepad
