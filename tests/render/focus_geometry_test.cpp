#include "buttons/render/focus.h"

#include <gtest/gtest.h>

using namespace buttons;

namespace {
FocusInput Rectangular(int32_t sw, int32_t sh) {
    FocusInput in;
    in.style = 4;
    in.shape = 0;
    in.defaultOutline = true;
    in.sw = sw;
    in.sh = sh;
    in.flatRight = sw;
    return in;
}
bool SameRect(RECT a, RECT b) { return EqualRect(&a, &b) != FALSE; }
bool Same(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }
}  // namespace

TEST(FocusPlan, DottedRectangleFourPixelsInside) {
    const FocusPlan plan = PlanFocus(Rectangular(100, 30));
    ASSERT_EQ(FocusPlan::Kind::FocusRect, plan.kind);
    EXPECT_TRUE(SameRect(RECT{4, 4, 96, 26}, plan.rect));
    EXPECT_FALSE(plan.captionFlag);
}

TEST(FocusPlan, SolidRectangleCoversRightAndBottomEdge) {
    FocusInput in = Rectangular(100, 30);
    in.solid = true;
    in.colour = 0x123456;
    const FocusPlan plan = PlanFocus(in);
    ASSERT_EQ(FocusPlan::Kind::Polyline, plan.kind);
    const POINT want[5] = {{4, 26}, {4, 4}, {96, 4}, {96, 26}, {4, 26}};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Same(want[i], plan.points[i])) << i;
    EXPECT_EQ(0x123456, plan.colour);
}

TEST(FocusPlan, NegativeColourBecomesBlack) {
    FocusInput in = Rectangular(100, 30);
    in.colour = -1;
    EXPECT_EQ(0, PlanFocus(in).colour);
}

TEST(FocusPlan, NothingWithoutDefaultOutlineForPictureShapesOrShadedOvals) {
    FocusInput in = Rectangular(100, 30);
    in.defaultOutline = false;
    EXPECT_EQ(FocusPlan::Kind::None, PlanFocus(in).kind);
    in.defaultOutline = true;
    for (int32_t shape : {7, 8}) {
        in.shape = shape;
        EXPECT_EQ(FocusPlan::Kind::None, PlanFocus(in).kind) << shape;
    }
    in.style = 2;
    for (int32_t shape : {4, 5, 6}) {
        in.shape = shape;
        EXPECT_EQ(FocusPlan::Kind::None, PlanFocus(in).kind) << shape;
    }
}

TEST(FocusPlan, OvalFramesTheCaptionWithItsMargin) {
    FocusInput in = Rectangular(100, 30);
    in.shape = 4;
    in.captionRect = RECT{20, 8, 60, 22};
    FocusPlan plan = PlanFocus(in);
    EXPECT_TRUE(plan.captionFlag);
    ASSERT_EQ(FocusPlan::Kind::FocusRect, plan.kind);
    EXPECT_TRUE(SameRect(RECT{18, 6, 62, 24}, plan.rect));

    in.pressed = true;
    EXPECT_TRUE(SameRect(RECT{18, 7, 62, 26}, PlanFocus(in).rect));
    in.pressed = false;
    in.value = true;
    EXPECT_TRUE(SameRect(RECT{18, 7, 62, 26}, PlanFocus(in).rect));

    // bsEtched never moves the caption.
    in.style = 3;
    EXPECT_TRUE(SameRect(RECT{18, 6, 62, 24}, PlanFocus(in).rect));
}

TEST(FocusPlan, CaptionNearTheEdgeGetsAOnePixelMargin) {
    FocusInput in = Rectangular(100, 30);
    in.shape = 5;
    in.captionRect = RECT{4, 8, 60, 22};  // left not beyond FL + 4
    EXPECT_TRUE(SameRect(RECT{3, 7, 61, 23}, PlanFocus(in).rect));
}

TEST(FocusPlan, CaptionFlagOnARectangleMovesRightAndDownWhenPressed) {
    FocusInput in = Rectangular(100, 30);
    in.captionFlag = true;
    in.solid = true;
    in.pressed = true;
    in.captionRect = RECT{20, 8, 60, 22};
    const FocusPlan plan = PlanFocus(in);
    // Moved by (1-2, 1-2), grown by 5 to the right and below: (19, 7, 64, 26).
    ASSERT_EQ(FocusPlan::Kind::Polyline, plan.kind);
    const POINT want[5] = {{19, 7}, {63, 7}, {63, 25}, {19, 25}, {19, 7}};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Same(want[i], plan.points[i])) << i;
}

TEST(FocusPlan, EmptyCaptionUsesTheImageRectangleKeptInsideTheFace) {
    FocusInput in = Rectangular(60, 30);
    in.shape = 4;
    in.captionEmpty = true;
    in.imageRect = RECT{10, 10, 70, 40};
    // Clamped to (10, 10, 56, 26); right 56 is not below FR - 4: margin 1.
    EXPECT_TRUE(SameRect(RECT{9, 9, 57, 27}, PlanFocus(in).rect));
}

TEST(FocusPlan, SlantedShapesFollowTheSlant) {
    FocusInput in = Rectangular(100, 40);
    in.shape = 3;
    in.flatLeft = 41;
    in.flatRight = 59;
    in.colour = 0x0000FF;
    const FocusPlan plan = PlanFocus(in);
    ASSERT_EQ(FocusPlan::Kind::Polyline, plan.kind);
    const POINT want[5] = {{39, 35}, {8, 4}, {58, 4}, {89, 35}, {40, 35}};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(Same(want[i], plan.points[i])) << i;
    EXPECT_EQ(0x0000FF, plan.colour);
}
