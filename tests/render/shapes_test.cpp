#include <gtest/gtest.h>

#include "tests/render/render_support.h"

namespace buttons {
namespace {

using test::BufferPixel;
using test::MakeButton;

struct WindowRegion {
    explicit WindowRegion(HWND hwnd) : region(::CreateRectRgn(0, 0, 0, 0)) {
        kind = ::GetWindowRgn(hwnd, region.get());
    }
    bool Has(int x, int y) const { return ::PtInRegion(region.get(), x, y) != FALSE; }
    platform::Region region;
    int kind = ERROR;
};

std::unique_ptr<qvButtons_H> Shaped(std::int32_t style, std::int32_t shape, int w, int h, bool enabled = true) {
    forms::PropertyBag bag = test::FlatFace(style, 0x336699);
    bag.WriteInt32(L"Shape", shape);
    bag.WriteBool(L"Enabled", enabled);
    return MakeButton(test::SharedHost(), w, h, bag);
}

TEST(Shapes, RectangleCornersTrimmedByStyle) {
    const int w = 60, h = 30;
    struct Case {
        std::int32_t style;
        bool enabled;
        bool topLeft, bottomLeft, topRight, bottomRight;  // corner pixel kept
    };
    const Case cases[] = {
        {bsBevel, true, true, true, true, true},
        {bsFlat, true, true, true, true, true},
        {bsFramedBevel, true, false, false, false, false},
        {bsEtched, true, false, false, false, true},  // keeps its bottom-right pixel
        {bsEtched, false, true, true, true, true},    // disabled: keeps all four
        {bsShadedRounded, true, false, false, false, false},
        {bsRoundedFrame, true, false, false, false, false},
    };
    for (const Case& c : cases) {
        auto b = Shaped(c.style, ShapeRectangle, w, h, c.enabled);
        const WindowRegion r(b->hWnd());
        ASSERT_NE(ERROR, r.kind) << c.style;
        EXPECT_EQ(c.topLeft, r.Has(0, 0)) << c.style;
        EXPECT_EQ(c.bottomLeft, r.Has(0, h - 1)) << c.style;
        EXPECT_EQ(c.topRight, r.Has(w - 1, 0)) << c.style;
        EXPECT_EQ(c.bottomRight, r.Has(w - 1, h - 1)) << c.style;
        EXPECT_TRUE(r.Has(3, 3)) << c.style;
        EXPECT_TRUE(r.Has(w - 4, h - 4)) << c.style;
        EXPECT_EQ(0, qvButtons_HProbe::FlatLeft(*b));
        EXPECT_EQ(w, qvButtons_HProbe::FlatRight(*b));
        EXPECT_FALSE(qvButtons_HProbe::OuterEdgeRegion(*b));
        EXPECT_FALSE(qvButtons_HProbe::InnerEdgeRegion(*b));
    }
    // Pixels next to a trimmed corner stay.
    auto framed = Shaped(bsFramedBevel, ShapeRectangle, w, h);
    const WindowRegion r(framed->hWnd());
    EXPECT_TRUE(r.Has(1, 0));
    EXPECT_TRUE(r.Has(0, 1));
}

TEST(Shapes, SlantedButtonsWidenInStepsOfFiveUntilTheFlatPartFits) {
    // 40 high: slant 41. 30 wide grows to 50 (50 - 41 >= 5).
    auto narrow = Shaped(bsFlat, ShapeSlantLeft, 30, 40);
    EXPECT_EQ(50, narrow->ScaleWidthPixels());
    EXPECT_EQ(41, qvButtons_HProbe::FlatLeft(*narrow));
    EXPECT_EQ(50, qvButtons_HProbe::FlatRight(*narrow));
    EXPECT_FALSE(narrow->DelayDrawingFlag());
    // 60 wide is kept; the right slant leaves SW - (SH + 1) flat.
    auto wide = Shaped(bsFlat, ShapeSlantRight, 60, 40);
    EXPECT_EQ(60, wide->ScaleWidthPixels());
    EXPECT_EQ(0, qvButtons_HProbe::FlatLeft(*wide));
    EXPECT_EQ(19, qvButtons_HProbe::FlatRight(*wide));
    const WindowRegion r(wide->hWnd());
    EXPECT_TRUE(r.Has(0, 0));
    EXPECT_TRUE(r.Has(19, 0));
    EXPECT_FALSE(r.Has(59, 0));   // cut away by the slant
    EXPECT_TRUE(r.Has(57, 39));
    auto both = Shaped(bsFramedBevel, ShapeSlantBoth, 100, 40);
    EXPECT_EQ(41, qvButtons_HProbe::FlatLeft(*both));
    EXPECT_EQ(59, qvButtons_HProbe::FlatRight(*both));
}

TEST(Shapes, SlantRightTrimsOnlyTheStraightSide) {
    auto b = Shaped(bsFramedBevel, ShapeSlantRight, 60, 30);
    const WindowRegion r(b->hWnd());
    EXPECT_FALSE(r.Has(0, 0));
    EXPECT_FALSE(r.Has(0, 29));
    EXPECT_TRUE(r.Has(57, 29));  // the slant reaches the bottom-right corner
}

TEST(Shapes, OvalsGetEdgeRegionsAndKeepTheirRingOutsideTheOuterOne) {
    auto b = Shaped(bsFlat, ShapeOval, 80, 40);
    ASSERT_TRUE(qvButtons_HProbe::OuterEdgeRegion(*b));
    ASSERT_TRUE(qvButtons_HProbe::InnerEdgeRegion(*b));
    EXPECT_TRUE(::PtInRegion(qvButtons_HProbe::InnerEdgeRegion(*b), 40, 20));
    EXPECT_FALSE(::PtInRegion(qvButtons_HProbe::OuterEdgeRegion(*b), 40, 0));
    EXPECT_TRUE(::PtInRegion(qvButtons_HProbe::OuterEdgeRegion(*b), 40, 1));
    const WindowRegion r(b->hWnd());
    EXPECT_TRUE(r.Has(40, 0));
    EXPECT_FALSE(r.Has(0, 0));
    // The raised ring (white at the top) survives the face fill, clipped to the outer edge.
    b->Refresh();
    EXPECT_EQ(0xFFFFFF, BufferPixel(*b, 40, 0));
    EXPECT_EQ(0x336699, BufferPixel(*b, 40, 20));
}

TEST(Shapes, PictureShapeWithoutPictureKeepsTheOldRegionAndGetsNoEdgeRegions) {
    auto b = Shaped(bsFlat, ShapeCustom, 60, 30);
    EXPECT_EQ(ShapeCustom, b->ButtonShape());
    EXPECT_FALSE(qvButtons_HProbe::OuterEdgeRegion(*b));
    EXPECT_FALSE(qvButtons_HProbe::InnerEdgeRegion(*b));
    const WindowRegion r(b->hWnd());
    EXPECT_EQ(ERROR, r.kind);  // never given one
}

TEST(Shapes, CustomClickMovesThePressedButtonWithoutRepaintingAndBackOnRelease) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x336699);
    bag.WriteInt32(L"CustomClick", 4);  // down and right
    auto b = MakeButton(test::SharedHost(), 60, 30, bag);
    auto position = [&] {
        RECT r{};
        ::GetWindowRect(b->hWnd(), &r);
        POINT p{r.left, r.top};
        ::ScreenToClient(::GetParent(b->hWnd()), &p);
        return p;
    };
    const POINT start = position();
    b->SetVisualState({.heldDown = true, .pointerOver = true});
    test::PaintBuffer(*b, 0x00FF00);  // a repaint would have replaced this
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_TRUE(qvButtons_HProbe::ClickMoved(*b));
    EXPECT_EQ(start.x + 1, position().x);
    EXPECT_EQ(start.y + 1, position().y);
    EXPECT_EQ(0x00FF00, BufferPixel(*b, 30, 15));  // the old image only moved with the window
    qvButtons_HProbe::RedrawButton(*b);  // still pressed: painted normally where it stands
    EXPECT_EQ(start.x + 1, position().x);
    EXPECT_EQ(0x336699, BufferPixel(*b, 30, 15));
    b->SetVisualState({});
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_FALSE(qvButtons_HProbe::ClickMoved(*b));
    EXPECT_EQ(start.x, position().x);
    EXPECT_EQ(start.y, position().y);
}

}  // namespace
}  // namespace buttons
