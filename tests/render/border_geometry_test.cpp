#include "buttons/render/border.h"

#include <gtest/gtest.h>

using namespace buttons;

namespace {
bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }
#define EXPECT_POINT(x_, y_, p) EXPECT_TRUE(Same(POINT{x_, y_}, p)) << "(" << (p).x << ", " << (p).y << ")"

std::array<int32_t, 13> Colours(int32_t all) {
    std::array<int32_t, 13> c;
    c.fill(all);
    return c;
}
}  // namespace

TEST(BorderRings, RectangleRingsSitOnTheEdgeAndOneAndTwoPixelsIn) {
    const int sw = 89, sh = 41;
    const auto p = BorderRingPoints(sw, sh, 0, sw, 0);
    // Inner: (2, SH-3) up to (2, 2), across to (SW-3, 2), down, back to (1, SH-3).
    EXPECT_POINT(2, 38, p[0]);
    EXPECT_POINT(2, 2, p[1]);
    EXPECT_POINT(86, 2, p[2]);
    EXPECT_POINT(86, 38, p[3]);
    EXPECT_POINT(1, 38, p[4]);
    // Middle: one pixel further out.
    EXPECT_POINT(1, 39, p[5]);
    EXPECT_POINT(1, 1, p[6]);
    EXPECT_POINT(87, 1, p[7]);
    EXPECT_POINT(87, 39, p[8]);
    EXPECT_POINT(0, 39, p[9]);
    // Outer: columns 0 and SW-1, rows 0 and SH-1.
    EXPECT_POINT(0, 40, p[10]);
    EXPECT_POINT(0, 0, p[11]);
    EXPECT_POINT(88, 0, p[12]);
    EXPECT_POINT(88, 40, p[13]);
    EXPECT_POINT(-1, 40, p[14]);
    EXPECT_POINT(88, 40, p[15]);
}

TEST(BorderRings, SlantRightRunsFromTheFlatEndToTheCorner) {
    // 100 x 40 with the right side slanted: slant 41, FlatRight 59.
    const auto p = BorderRingPoints(100, 40, 0, 59, 2);
    EXPECT_POINT(2, 37, p[0]);
    EXPECT_POINT(2, 2, p[1]);
    EXPECT_POINT(59, 2, p[2]);    // FR + 3 - 3
    EXPECT_POINT(94, 37, p[3]);   // SW - 6
    EXPECT_POINT(1, 37, p[4]);
    EXPECT_POINT(59, 1, p[7]);    // P2 + (0, -1)
    EXPECT_POINT(96, 38, p[8]);   // P3 + (2, 1)
    EXPECT_POINT(59, 0, p[12]);   // FR + 1 - 1
    EXPECT_POINT(99, 40, p[13]);  // (SW-1, SH-1+1)
    EXPECT_POINT(-1, 39, p[14]);
    EXPECT_POINT(99, 39, p[15]);
}

TEST(BorderRings, SlantBothShiftsTheLeftSide) {
    // 100 x 40, both sides slanted: FlatLeft 41, FlatRight 59.
    const auto p = BorderRingPoints(100, 40, 41, 59, 3);
    EXPECT_POINT(39, 37, p[0]);  // FL + 2 - 4
    EXPECT_POINT(4, 2, p[1]);    // 2 + 2
    EXPECT_POINT(39, 38, p[5]);  // P0 + (0, 1)
    EXPECT_POINT(2, 1, p[6]);    // P1 + (-2, -1)
    EXPECT_POINT(40, 40, p[10]); // (FL - 1, SH - 1 + 1)
    EXPECT_POINT(38, 39, p[14]); // FL - 2 - 1
}

TEST(BorderPlan, TwelveSidesInRingOrderPlusTheClosingBottom) {
    std::array<int32_t, 13> c{};
    for (int i = 1; i <= 12; ++i) c[i] = i * 0x10;  // all different
    const auto p = BorderRingPoints(50, 20, 0, 50, 0);
    const auto s = PlanBorder(p, c, -1, 50, 0);
    ASSERT_EQ(13u, s.size());
    const int from[12] = {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ((k + 1) * 0x10, s[k].colour) << k;
        EXPECT_TRUE(Same(p[from[k]], s[k].from)) << k;
        EXPECT_TRUE(Same(p[from[k] + 1], s[k].to)) << k;
        EXPECT_TRUE(s[k].newPen) << k;
        EXPECT_EQ(PS_SOLID, s[k].penStyle) << k;
    }
    EXPECT_TRUE(Same(p[14], s[12].from));
    EXPECT_TRUE(Same(p[15], s[12].to));
    EXPECT_FALSE(s[12].newPen);
    EXPECT_EQ(0xC0, s[12].colour);  // the pen of the outer bottom side
}

TEST(BorderPlan, AllNegativeDrawsOnlyTheClosingSegmentWithTheCurrentPen) {
    const auto p = BorderRingPoints(50, 20, 0, 50, 0);
    const auto s = PlanBorder(p, Colours(-1), 2, 50, 0);
    ASSERT_EQ(1u, s.size());
    EXPECT_FALSE(s[0].newPen);
    EXPECT_TRUE(Same(POINT{-1, 19}, s[0].from));
    EXPECT_TRUE(Same(POINT{49, 19}, s[0].to));
}

TEST(BorderPlan, DottedOuterRingKeepsTheSolidPenUntilTheColourChanges) {
    auto c = Colours(-1);
    c[5] = c[6] = c[7] = c[8] = 0x808080;  // middle ring grey
    c[9] = 0x808080;                       // outer left: same grey
    c[10] = 0xFFFFFF;
    c[11] = 0xFFFFFF;
    c[12] = 0x000000;
    const auto s = PlanBorder(BorderRingPoints(50, 20, 0, 50, 0), c, PS_DOT, 50, 0);
    ASSERT_EQ(9u, s.size());
    EXPECT_TRUE(s[0].newPen);
    EXPECT_EQ(PS_SOLID, s[0].penStyle);
    for (int k = 1; k <= 4; ++k) EXPECT_FALSE(s[k].newPen) << k;  // middle 2-4 and outer left
    EXPECT_TRUE(s[5].newPen);
    EXPECT_EQ(PS_DOT, s[5].penStyle);
    EXPECT_FALSE(s[6].newPen);
    EXPECT_TRUE(s[7].newPen);
    EXPECT_EQ(PS_DOT, s[7].penStyle);
    EXPECT_FALSE(s[8].newPen);  // closing segment
}

TEST(BorderPlan, SameColourEverywhereSelectsOnePenAndBlackIsNotAssumed) {
    const auto s = PlanBorder(BorderRingPoints(50, 20, 0, 50, 0), Colours(0), 0, 50, 0);
    ASSERT_EQ(13u, s.size());
    EXPECT_TRUE(s[0].newPen);  // black still gets its own pen
    for (size_t k = 1; k < s.size(); ++k) EXPECT_FALSE(s[k].newPen) << k;
}

TEST(BorderPlan, NoClosingSegmentWhenTheWidthEqualsTheRightSlant) {
    EXPECT_EQ(0u, PlanBorder(BorderRingPoints(1, 20, 0, 0, 2), Colours(-1), -1, 1, 2).size());
    EXPECT_EQ(0u, PlanBorder(BorderRingPoints(0, 20, 0, 0, 0), Colours(-1), -1, 0, 0).size());
    EXPECT_EQ(1u, PlanBorder(BorderRingPoints(1, 20, 0, 1, 0), Colours(-1), -1, 1, 0).size());
}
