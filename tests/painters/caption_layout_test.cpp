// Caption and image geometry from the layout rules, and the caption drawing plan.
#include "buttons/render/caption_draw.h"
#include "buttons/render/caption_layout.h"

#include <gtest/gtest.h>

namespace buttons {
namespace {

ContentInputs Button(int32_t width = 100, int32_t height = 30) {
    ContentInputs in;
    in.width = width;
    in.height = height;
    in.flatRight = width;
    in.hasCaption = true;
    return in;
}

void WithPicture(ContentInputs& in, int32_t align, int32_t size = 16) {
    in.pictureWidth = 32;
    in.pictureHeight = 32;
    in.pictureAlign = align;
    in.imagePixels = size;
}

#define EXPECT_RECT(r, l, t, rr, b)                                                  \
    do {                                                                               \
        EXPECT_EQ((r).left, l);                                                        \
        EXPECT_EQ((r).top, t);                                                         \
        EXPECT_EQ((r).right, rr);                                                      \
        EXPECT_EQ((r).bottom, b);                                                      \
    } while (0)

TEST(ContentArea, ByShape) {
    ContentInputs in = Button(120, 40);
    ContentArea a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 0); EXPECT_EQ(a.width, 120); EXPECT_EQ(a.right, 120);

    in.shape = 1;  // slant 41: L = 41 - 13 + 3
    in.flatLeft = 41;
    a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 31); EXPECT_EQ(a.width, 89); EXPECT_EQ(a.right, 120);

    in.shape = 2;
    in.flatLeft = 0;
    in.flatRight = 79;
    a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 0); EXPECT_EQ(a.right, 41 / 3 + 79); EXPECT_EQ(a.width, 92);

    in.shape = 3;
    in.flatLeft = 41;
    a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 31); EXPECT_EQ(a.right, 92); EXPECT_EQ(a.width, 61);

    in.shape = 8;
    in.flatLeft = 0;
    in.flatRight = 120;
    a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 3); EXPECT_EQ(a.width, 117); EXPECT_EQ(a.right, 117);

    in.shape = 5;
    a = ContentAreaFor(in);
    EXPECT_EQ(a.left, 0); EXPECT_EQ(a.width, 120); EXPECT_EQ(a.right, 120);
}

TEST(CaptionLayout, CentredWithoutImage) {
    ContentInputs in = Button();
    EXPECT_EQ(CaptionMeasureBox(in).cx, 92);
    EXPECT_EQ(CaptionMeasureBox(in).cy, 22);
    ContentLayout l = LayoutContent(in, 40, 14);
    EXPECT_RECT(l.caption, 30, 8, 70, 22);
    EXPECT_RECT(l.image, 4, 4, 0, 0);  // no picture: the clamped empty rectangle
    EXPECT_FALSE(l.rebuildImage);
}

TEST(CaptionLayout, LeftAlignedStartsAtLPlus4AndAfterALeftImage) {
    ContentInputs in = Button();
    in.captionAlign = 0;
    EXPECT_EQ(LayoutContent(in, 40, 14).caption.left, 4);

    WithPicture(in, 0);
    EXPECT_EQ(CaptionMeasureBox(in).cx, 100 - 16 - 8);
    ContentLayout l = LayoutContent(in, 40, 14);
    EXPECT_EQ(l.caption.left, 16 + 8);
    EXPECT_RECT(l.image, 4, 7, 20, 23);

    ContentInputs slanted = Button(120, 40);
    slanted.shape = 1;
    slanted.flatLeft = 41;
    slanted.captionAlign = 0;
    EXPECT_EQ(LayoutContent(slanted, 40, 14).caption.left, 31 + 4);
}

TEST(CaptionLayout, RightAligned) {
    ContentInputs in = Button();
    in.captionAlign = 1;
    EXPECT_EQ(LayoutContent(in, 40, 14).caption.left, 100 - 40 - 4);
    WithPicture(in, 2);
    ContentLayout l = LayoutContent(in, 40, 14);
    EXPECT_EQ(l.caption.left, 100 - 16 - 40 - 8);
    EXPECT_EQ(l.image.left, 96 - 16);
}

TEST(CaptionLayout, ImageBesideCentredCaption) {
    ContentInputs in = Button(120, 30);
    WithPicture(in, 1);  // left of caption
    ContentLayout l = LayoutContent(in, 40, 14);
    const int32_t c = (120 - (40 + 16 + 4)) / 2 + 16 + 4;
    EXPECT_EQ(l.caption.left, c);
    EXPECT_EQ(l.image.left, c - 16 - 4);
    EXPECT_EQ(l.image.right, c - 4);

    WithPicture(in, 3);  // right of caption
    l = LayoutContent(in, 40, 14);
    EXPECT_EQ(l.caption.left, (120 - (40 + 16 + 4)) / 2);
    EXPECT_EQ(l.image.left, l.caption.right + 4);

    in.hasCaption = false;  // without a caption the image goes to the right edge
    l = LayoutContent(in, 0, 0);
    EXPECT_EQ(l.image.left, 116 - 16);
}

TEST(CaptionLayout, TopCentredImageWithCaptionTwoPixelsBelow) {
    ContentInputs in = Button(100, 60);
    WithPicture(in, 4, 24);
    EXPECT_EQ(CaptionMeasureBox(in).cy, 60 - 8 - 24);
    ContentLayout l = LayoutContent(in, 40, 14);
    const int32_t v = (60 - (14 + 24)) / 2;
    EXPECT_RECT(l.image, (100 - 24) / 2, v, (100 - 24) / 2 + 24, v + 24);
    EXPECT_EQ(l.caption.top, l.image.bottom + 2);
    EXPECT_EQ(l.caption.left, 30);
}

TEST(CaptionLayout, BottomCentredImage) {
    ContentInputs in = Button(100, 60);
    WithPicture(in, 5, 16);
    ContentLayout l = LayoutContent(in, 40, 14);
    const int32_t dy = (60 - (14 + 16)) / 2;
    EXPECT_EQ(l.caption.top, dy + 2);
    EXPECT_EQ(l.image.top, 14 + dy + 4);
    EXPECT_EQ(l.image.left, 42);
}

TEST(CaptionLayout, Sizes40And48ReserveNoCaptionSpace) {
    ContentInputs in = Button(100, 60);
    WithPicture(in, 0, 40);
    EXPECT_EQ(CaptionMeasureBox(in).cx, 92);
    ContentLayout l = LayoutContent(in, 40, 14);
    EXPECT_EQ(l.caption.left, 30) << "centred over the image";
    EXPECT_RECT(l.image, 3, 3, 97, 57);
    EXPECT_TRUE(l.rebuildImage);
    in.shape = 6;
    EXPECT_RECT(LayoutContent(in, 40, 14).image, 1, 1, 99, 59);

    in.shape = 0;
    in.imagePixels = 48;
    in.pictureWidth = 100;
    in.pictureHeight = 50;  // fitted into 88 x 48: 88 x 44
    l = LayoutContent(in, 40, 14);
    EXPECT_EQ(l.caption.left, 30);
    EXPECT_RECT(l.image, 6, 8, 94, 52);
    EXPECT_TRUE(l.rebuildImage);

    in.shape = 7;
    in.flatRight = 100;
    l = LayoutContent(in, 40, 14);
    EXPECT_RECT(l.image, 0, 0, 100, 60);
    EXPECT_FALSE(l.rebuildImage);
}

// Images of 32 pixels or less are S x dpi / 96 on the screen; 40 still fills the face.
TEST(CaptionLayout, SmallImagesGrowWithTheDpi) {
    const struct {
        int32_t size, dpi, side;
    } cases[] = {{16, 96, 16}, {16, 144, 24}, {16, 192, 32}, {24, 120, 30}, {32, 144, 48}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size * 1000 + c.dpi);
        ContentInputs in = Button(200, 60);
        WithPicture(in, paLeftEdge, c.size);
        in.dpi = c.dpi;
        const int32_t top = (60 - c.side) / 2;
        EXPECT_RECT(LayoutContent(in, 40, 16).image, 4, top, 4 + c.side, top + c.side);
        EXPECT_EQ(200 - c.side - 8, CaptionMeasureBox(in).cx);
    }
    ContentInputs in = Button(200, 60);
    WithPicture(in, paLeftEdge, 40);
    in.dpi = 192;
    EXPECT_RECT(LayoutContent(in, 40, 16).image, 3, 3, 197, 57);
}

TEST(CaptionLayout, ClampsToTheFace) {
    ContentInputs in = Button(100, 30);
    ContentLayout l = LayoutContent(in, 300, 200);
    EXPECT_RECT(l.caption, 4, 4, 96, 25);
    in.captionAlign = 1;
    l = LayoutContent(in, 30, 10);
    EXPECT_EQ(l.caption.right, 96);
}

TEST(CaptionLayout, EmbossedAndEngravedAreTwoPixelsLarger) {
    ContentInputs in = Button();
    in.captionStyle = 1;
    ContentLayout l = LayoutContent(in, 40, 14);
    EXPECT_RECT(l.caption, 29, 7, 71, 23);
    in.captionStyle = 2;
    EXPECT_EQ(LayoutContent(in, 40, 14).caption.right - LayoutContent(in, 40, 14).caption.left, 42);
}

TEST(FitPicture, KeepsAspectRatio) {
    SIZE s = FitPictureSize(100, 50, 40, 40);
    EXPECT_EQ(s.cx, 40); EXPECT_EQ(s.cy, 20);
    s = FitPictureSize(10, 10, 40, 40);
    EXPECT_EQ(s.cx, 40); EXPECT_EQ(s.cy, 40);
    s = FitPictureSize(4, 3, 10, 10);  // 7.5 rounds half to even: 8
    EXPECT_EQ(s.cx, 10); EXPECT_EQ(s.cy, 8);
    s = FitPictureSize(4, 3, 6, 6);  // 4.5 rounds half to even: 4
    EXPECT_EQ(s.cy, 4);
    s = FitPictureSize(0, 10, 40, 30);  // a side of 0 limits nothing
    EXPECT_EQ(s.cx, 0); EXPECT_EQ(s.cy, 30);
    s = FitPictureSize(0, 0, 40, 30);
    EXPECT_EQ(s.cx, 0); EXPECT_EQ(s.cy, 0);
    s = FitPictureSize(100, 50, -12, 30);  // a box smaller than nothing (a tiny ps48 button)
    EXPECT_EQ(s.cx, 0); EXPECT_EQ(s.cy, 0);
}

TEST(CaptionText, DoublePipeBreaksTheLine) {
    EXPECT_EQ(CaptionDrawText(L"Uno||Due"), L"Uno\r\nDue");
    EXPECT_EQ(CaptionDrawText(L"Uno|Due"), L"Uno|Due");
    EXPECT_EQ(CaptionDrawText(L"a|||b"), L"a\r\n|b");
    EXPECT_EQ(CaptionDrawText(L"||"), L"\r\n");
    EXPECT_EQ(CaptionFormat(0), static_cast<UINT>(DT_WORDBREAK));
    EXPECT_EQ(CaptionFormat(1), static_cast<UINT>(DT_WORDBREAK | DT_RIGHT));
    EXPECT_EQ(CaptionFormat(2), static_cast<UINT>(DT_WORDBREAK | DT_CENTER));
}

CaptionInputs Caption(int32_t style = 0) {
    CaptionInputs in;
    in.style = style;
    in.hasCaption = true;
    in.foreRgb = 0x102030;
    in.hoverForeRgb = 0xFFFFFF;
    return in;
}

TEST(CaptionPlan, PressedOffsets) {
    CaptionInputs in = Caption();
    EXPECT_EQ(PlanCaption(in, 0, -1, false, false).shift.x, 0);
    in.pressed = true;
    CaptionPlan p = PlanCaption(in, 0, -1, false, false);
    EXPECT_EQ(p.shift.x, 1);
    EXPECT_EQ(p.shift.y, 1);
    in.shape = 4;
    p = PlanCaption(in, 0, -1, false, false);
    EXPECT_EQ(p.shift.x, 0);
    EXPECT_EQ(p.shift.y, 1);
    in.shape = 0;
    in.pressed = false;
    EXPECT_EQ(PlanCaption(in, 0, -1, true, false).shift.x, 1) << "checked moves too";
    CaptionInputs etched = Caption(3);
    etched.pressed = true;
    p = PlanCaption(etched, 0, -1, true, false);
    EXPECT_EQ(p.shift.x, 0);
    EXPECT_EQ(p.shift.y, 0);
}

TEST(CaptionPlan, WhatIsDrawn) {
    CaptionInputs in = Caption();
    CaptionPlan p = PlanCaption(in, 0, -1, false, false);
    EXPECT_TRUE(p.drawImage);
    EXPECT_TRUE(p.drawText);
    in.hasCaption = false;
    EXPECT_FALSE(PlanCaption(in, 0, -1, false, false).drawText);
    in.hasCaption = true;
    in.shape = 4;
    EXPECT_TRUE(PlanCaption(in, 0, -1, false, false).drawText);
    for (int32_t shape : {5, 6, 7, 8}) {
        in.shape = shape;
        in.value = false;
        EXPECT_FALSE(PlanCaption(in, 0, -1, false, false).drawText) << shape;
        in.value = true;
        EXPECT_TRUE(PlanCaption(in, 0, -1, true, false).drawText) << shape;
        EXPECT_EQ(PlanCaption(in, 0, -1, true, false).drawImage, shape < 7) << "a picture shape hides its image";
    }
}

TEST(CaptionPlan, EnabledColours) {
    CaptionInputs in = Caption();
    CaptionPlan p = PlanCaption(in, 0, -1, false, false);
    ASSERT_EQ(p.passCount, 1);
    EXPECT_EQ(p.passes[0].colour, 0x102030);
    EXPECT_EQ(p.passes[0].dx, 0);
    EXPECT_EQ(p.passes[0].dy, 0);
    in.hovering = true;
    EXPECT_EQ(PlanCaption(in, 0, -1, false, false).passes[0].colour, 0xFFFFFF);
    in.pressed = true;
    EXPECT_EQ(PlanCaption(in, 0, -1, false, false).passes[0].colour, 0x102030);

    CaptionInputs rf = Caption(7);
    EXPECT_EQ(PlanCaption(rf, 0, 0x445566, false, false).passes[0].colour, 0x445566);
    rf.gradientMode = 4;
    EXPECT_EQ(PlanCaption(rf, 0, 0x445566, false, false).passes[0].colour, 0x102030);
    rf.value = true;
    EXPECT_EQ(PlanCaption(rf, 0, 0x445566, true, false).passes[0].colour, 0x445566);
}

TEST(CaptionPlan, EmbossedAndEngravedCopies) {
    CaptionInputs in = Caption();
    in.captionStyle = 1;
    const int32_t face = 0x808080;
    CaptionPlan p = PlanCaption(in, face, -1, false, false);
    ASSERT_EQ(p.passCount, 3);
    // Main text one pixel lower than the laid-out rectangle; copies at (-1,-1) and (+1,+1) from it.
    EXPECT_EQ(p.passes[2].dx, 0); EXPECT_EQ(p.passes[2].dy, 1); EXPECT_EQ(p.passes[2].colour, 0x102030);
    EXPECT_EQ(p.passes[0].dx, -1); EXPECT_EQ(p.passes[0].dy, 0); EXPECT_EQ(p.passes[0].colour, 0x585858);
    EXPECT_EQ(p.passes[1].dx, 1); EXPECT_EQ(p.passes[1].dy, 2); EXPECT_EQ(p.passes[1].colour, 0xA8A8A8);
    in.captionStyle = 2;
    p = PlanCaption(in, face, -1, false, false);
    EXPECT_EQ(p.passes[0].colour, 0xA8A8A8);
    EXPECT_EQ(p.passes[1].colour, 0x585858);
}

TEST(CaptionPlan, DisabledText) {
    CaptionInputs in = Caption();
    in.enabled = false;
    in.captionStyle = 1;  // no copies while disabled
    CaptionPlan p = PlanCaption(in, 0, -1, false, true);
    ASSERT_EQ(p.passCount, 2);
    EXPECT_EQ(p.passes[0].dx, 1); EXPECT_EQ(p.passes[0].dy, 1); EXPECT_EQ(p.passes[0].colour, 0xFFFFFF);
    EXPECT_EQ(p.passes[1].dx, 0); EXPECT_EQ(p.passes[1].dy, 0); EXPECT_EQ(p.passes[1].colour, 0x808080);
    EXPECT_FALSE(p.singlePass);

    p = PlanCaption(in, 0, 0x808080, false, true);  // check box: once in grey
    ASSERT_EQ(p.passCount, 1);
    EXPECT_EQ(p.passes[0].colour, 0x808080);
    EXPECT_EQ(p.passes[0].dx, 0);

    in.gradientMode = 3;  // a gradient always gets the etched text
    p = PlanCaption(in, 0, 0x808080, false, true);
    ASSERT_EQ(p.passCount, 2);
    EXPECT_EQ(p.passes[0].colour, 0xFFFFFF);

    in.gradientMode = 0;  // a colour, drawn twice: the shadow one pixel up-left of it
    p = PlanCaption(in, 0, 0x123456, false, false);
    ASSERT_EQ(p.passCount, 2);
    EXPECT_EQ(p.passes[0].colour, 0x123456);
    EXPECT_EQ(p.passes[1].dx, -1);
    EXPECT_EQ(p.passes[1].dy, -1);
}

}  // namespace
}  // namespace buttons
