#include <gtest/gtest.h>

#include "markup/BalloonGeometry.h"

namespace {

const MarkupRect kScreen{0, 0, 1920, 1080};

TEST(BalloonGeometry, PlacementBesideThePointer)
{
    // A 100 x 40 text: balloon 124 x 80, with the shadow 128 x 84, window 2 larger.
    const struct {
        const char* name;
        MarkupPoint pointer;
        bool shadow;
        MarkupRect screen;
        int direction;
        MarkupRect window;
    } cases[] = {
        // clang-format off
        {"right and below by default", {500, 500}, true, kScreen, 3, {484, 500, 614, 586}},
        {"near the right edge it opens to the left", {1900, 500}, true, kScreen, 2, {1792, 504, 1922, 590}},
        {"without shadow no shift to the left", {1900, 500}, false, kScreen, 2, {1792, 500, 1918, 582}},
        {"near the bottom it opens above", {500, 1050}, true, kScreen, 1, {484, 966, 614, 1052}},
        {"in the bottom right corner left and above", {1910, 1070}, true, kScreen, 0, {1796, 990, 1926, 1076}},
        {"right edge cap keeps the balloon on screen", {1915, 500}, false, kScreen, 2, {1796, 500, 1922, 582}},
        {"near the left edge it starts at the edge", {5, 500}, true, kScreen, 3, {0, 500, 130, 586}},
        {"exactly at the bottom edge fits", {500, 996}, true, kScreen, 3, {484, 996, 614, 1082}},
        {"one pixel lower flips", {500, 997}, true, kScreen, 1, {484, 913, 614, 999}},
        {"second screen to the right", {1925, 500}, true, MarkupRect{1920, 0, 3840, 1080}, 3, {1920, 500, 2050, 586}},
        {"second screen, its own right edge", {3830, 20}, true, MarkupRect{1920, 0, 3840, 1080}, 2, {3716, 24, 3846, 110}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BalloonGeometry g = PlaceBalloon({100, 40}, c.pointer, c.screen, c.shadow);
        EXPECT_EQ(g.direction, c.direction);
        EXPECT_EQ(g.window, c.window);
    }
}

TEST(BalloonGeometry, OutlineFollowsTheDirection)
{
    const struct {
        MarkupPoint pointer;
        int direction;
        MarkupRect body;
        MarkupPoint tip;
        MarkupPoint base2;
        MarkupRect text;
    } cases[] = {
        {{500, 500}, 3, {0, 16, 124, 80}, {16, 0}, {28, 16}, {12, 28, 112, 68}},
        {{1900, 500}, 2, {0, 16, 124, 80}, {108, 0}, {96, 16}, {12, 28, 112, 68}},
        {{500, 1050}, 1, {0, 0, 124, 64}, {16, 80}, {28, 64}, {12, 12, 112, 52}},
        {{1910, 1070}, 0, {0, 0, 124, 64}, {108, 80}, {96, 64}, {12, 12, 112, 52}},
    };
    for (const auto& c : cases) {
        const BalloonGeometry g = PlaceBalloon({100, 40}, c.pointer, kScreen, true);
        SCOPED_TRACE(c.direction);
        ASSERT_EQ(g.direction, c.direction);
        EXPECT_EQ(g.body, c.body);
        EXPECT_EQ(g.anchorTip, c.tip);
        EXPECT_EQ(g.anchorBase1, (MarkupPoint{c.tip.x, c.body.top == 0 ? c.body.bottom : c.body.top}));
        EXPECT_EQ(g.anchorBase2, c.base2);
        EXPECT_EQ(g.text, c.text);
        EXPECT_EQ(g.text.Width(), 100);
        EXPECT_EQ(g.text.Height(), 40);
    }
}

TEST(BalloonGeometry, TextLargerThanTheScreenIsCut)
{
    const BalloonGeometry g = PlaceBalloon({3000, 5000}, {500, 500}, kScreen, true);
    EXPECT_EQ(g.window.Width(), 1920);
    EXPECT_EQ(g.window.Height(), 1080);
    EXPECT_EQ(g.text.Width(), 1920 - 30);
    // Fits neither way: placed in the flipped direction regardless.
    EXPECT_EQ(g.direction, 0);
    const BalloonGeometry negative = PlaceBalloon({-50, -50}, {500, 500}, kScreen, false);
    EXPECT_EQ(negative.text.Width(), 0);
    EXPECT_EQ(negative.window, (MarkupRect{484, 500, 484 + 26, 500 + 42}));
}

}  // namespace
