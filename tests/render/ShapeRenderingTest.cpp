#include "RenderFixture.h"

namespace wigglepad {
namespace {

using ShapeRenderingTest = RenderFixture;

// Figures of side 100, kinds 0, 1, 2 and 7 side by side: points each must cover and corners of
// its square it must leave empty. Kinds other than 0 and 1 draw the triangle.
TEST_F(ShapeRenderingTest, EachKindCoversItsFigureAndLeavesItsSquaresCornersEmpty) {
    const int kinds[] = {0, 1, 2, 7};
    for (int i = 0; i < 4; ++i)
        addShape({100.0 + 200 * i, 150}, 100, kinds[i], 4);
    const QImage image = render({800, 300});
    const std::tuple<int, double, double, bool> probes[] = {
        {0, 0, 0, true},     {0, 0, -48, true},    {0, 46, 0, true},    {0, -47, -47, false},
        {0, 46, 46, false},  {1, 0, 0, true},      {1, 0, -49, true},   {1, -49, 0, true},
        {1, -42, -42, true}, {1, -49, -49, false}, {1, 48, 48, false},  {2, 0, 0, true},
        {2, 0, -46, true},   {2, -47, 47, true},   {2, 46, 47, true},   {2, -47, -47, false},
        {2, 46, -47, false}, {3, -47, 47, true},   {3, -47, -47, false}};
    for (const auto& [shape, dx, dy, covered] : probes)
        EXPECT_TRUE(looksLike(at(image, 100 + 200 * shape + dx, 150 + dy),
                              covered ? colour(4) : kBackground))
            << "kind " << kinds[shape] << " at " << dx << ", " << dy;
}

// Characters sharing a size keep their own colours, and a character hides its figure's kind.
TEST_F(ShapeRenderingTest, CharacterIsDrawnCentredInsteadOfItsFigure) {
    addShape({200, 150}, 160, 1, 5).character = "H";
    addShape({60, 60}, 80, 0, 0).character = "H";
    addShape({340, 240}, 80, 0, 3).character = "H";
    const QImage image = render();
    const int left = countPixels(image, {120, 70, 80, 160}, colour(5));
    const int right = countPixels(image, {200, 70, 80, 160}, colour(5));
    const int top = countPixels(image, {120, 70, 160, 80}, colour(5));
    const int bottom = countPixels(image, {120, 150, 160, 80}, colour(5));
    ASSERT_GT(left + right, 160 * 160 / 5) << "the glyph is drawn at 0.95 of the shape's size";
    EXPECT_NEAR(left, right, (left + right) / 10);
    EXPECT_NEAR(top, bottom, (top + bottom) / 4) << "the ink's middle lies a little high";
    EXPECT_EQ(countPixels(image, QRect(122, 72, 10, 10), colour(5)), 0) << "no rounded square";
    EXPECT_EQ(countPixels(image, image.rect(), colour(5)), left + right)
        << "nothing outside its square";
    EXPECT_GT(countPixels(image, QRect(20, 20, 80, 80), colour(0)), 500);
    EXPECT_GT(countPixels(image, QRect(300, 200, 80, 80), colour(3)), 500);
}

// Unsettled shapes fade from 15 s to 18 s after birth, settled ones over 3 s from settling; one
// stamped just after the frame's time shows fully.
TEST_F(ShapeRenderingTest, ShapesFadeOutByThePruningHorizon) {
    const std::tuple<double, std::optional<double>, double> cases[] = {
        {15.0, {}, 1.0},  {16.5, {}, 0.5},   {17.97, {}, 0.0},
        {20.0, 1.5, 0.5}, {20.0, 2.97, 0.0}, {0.0, -0.05, 1.0}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const auto& [bornAgo, settledAgo, opacity] = cases[i];
        PlayShape& shape = addShape({40.0 + 64 * i, 150}, 40, 0, 2);
        shape.born = now() - bornAgo;
        if (settledAgo) {
            shape.settled = true;
            shape.settledTime = now() - *settledAgo;
        }
    }
    const QImage image = render();
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_TRUE(looksLike(at(image, 40 + 64 * i, 150), onBackground(2, std::get<2>(cases[i]))))
            << "case " << i;
}

} // namespace
} // namespace wigglepad
