#include <gtest/gtest.h>

#include "tests/render/render_support.h"

namespace buttons {
namespace {

using test::BufferPixel;
using test::HostWindow;
using test::MakeButton;

constexpr std::int32_t kMarker = 0x00FF00;

BorderColors Colours(std::int32_t all) {
    BorderColors c;
    c.fill(all);
    return c;
}

class BorderPixels : public ::testing::Test {
protected:
    void SetUp() override {
        b = MakeButton(host, 60, 30, test::FlatFace(bsFlat, 0x336699));
        test::PaintBuffer(*b, kMarker);
    }
    HostWindow& host = test::SharedHost();
    std::unique_ptr<qvButtons_H> b;
    PainterPoints points{};
};

TEST_F(BorderPixels, TwelveSidesOnThreeRings) {
    BorderColors c{};
    for (int i = 1; i <= 12; ++i) c[i] = 0x010101 * (i * 16);  // 0x101010 ... 0xC0C0C0
    qvButtons_HProbe::DrawButtonBorder(*b, points, c, 0, -1);
    const int sw = 60, sh = 30;
    // inner: column 2, row 2, column SW-3, row SH-3
    EXPECT_EQ(c[1], BufferPixel(*b, 2, 15));
    EXPECT_EQ(c[2], BufferPixel(*b, 30, 2));
    EXPECT_EQ(c[3], BufferPixel(*b, sw - 3, 15));
    EXPECT_EQ(c[4], BufferPixel(*b, 30, sh - 3));
    // middle
    EXPECT_EQ(c[5], BufferPixel(*b, 1, 15));
    EXPECT_EQ(c[6], BufferPixel(*b, 30, 1));
    EXPECT_EQ(c[7], BufferPixel(*b, sw - 2, 15));
    EXPECT_EQ(c[8], BufferPixel(*b, 30, sh - 2));
    // outer, on the client edge
    EXPECT_EQ(c[9], BufferPixel(*b, 0, 15));
    EXPECT_EQ(c[10], BufferPixel(*b, 30, 0));
    EXPECT_EQ(c[11], BufferPixel(*b, sw - 1, 15));
    EXPECT_EQ(c[12], BufferPixel(*b, 30, sh - 1));
    // The closing segment repeats the outer bottom side; the face is untouched.
    EXPECT_EQ(c[12], BufferPixel(*b, 0, sh - 1));
    EXPECT_EQ(c[12], BufferPixel(*b, sw - 1, sh - 1));  // the bottom side starts at the corner
    EXPECT_EQ(kMarker, BufferPixel(*b, 30, 15));
    // The painters' points now hold the rings.
    EXPECT_EQ(2, points[0].x);
    EXPECT_EQ(sh - 3, points[0].y);
    EXPECT_EQ(sw - 1, points[15].x);
}

TEST_F(BorderPixels, NegativeSidesAreLeftOut) {
    BorderColors c = Colours(-1);
    c[10] = 0x0000FF;  // outer top only
    qvButtons_HProbe::DrawButtonBorder(*b, points, c, 0, -1);
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 30, 0));
    EXPECT_EQ(kMarker, BufferPixel(*b, 0, 15));
    EXPECT_EQ(kMarker, BufferPixel(*b, 2, 15));
    EXPECT_EQ(kMarker, BufferPixel(*b, 59, 15));
    // The closing bottom segment uses the pen of the last side drawn.
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 30, 29));
}

TEST_F(BorderPixels, AllTwelveNegativeDrawsOnlyTheBottomWithTheCurrentPen) {
    qvButtons_HProbe::SetDrawingTool(*b, ToolPen, 0xFF0000, false, 1, PS_SOLID);
    qvButtons_HProbe::DrawButtonBorder(*b, points, Colours(-1), 0, 2);
    for (int x = 0; x < 59; ++x) EXPECT_EQ(0xFF0000, BufferPixel(*b, x, 29)) << x;
    EXPECT_EQ(kMarker, BufferPixel(*b, 59, 29));
    for (int y = 0; y < 29; ++y) {
        EXPECT_EQ(kMarker, BufferPixel(*b, 0, y)) << y;
        EXPECT_EQ(kMarker, BufferPixel(*b, 59, y)) << y;
    }
    EXPECT_EQ(kMarker, BufferPixel(*b, 30, 0));
}

TEST_F(BorderPixels, DottedOuterRingIsSolidWhileItKeepsTheLastMiddleColour) {
    BorderColors c = Colours(-1);
    c[5] = c[6] = c[7] = c[8] = 0x808080;
    c[9] = 0x808080;   // outer left: the colour of the last middle side
    c[10] = 0xFFFFFF;  // outer top: a new colour, dotted
    qvButtons_HProbe::DrawButtonBorder(*b, points, c, 0, PS_DOT);
    for (int y = 1; y < 29; ++y) EXPECT_EQ(0x808080, BufferPixel(*b, 0, y)) << y;  // solid
    int white = 0, marker = 0;
    for (int x = 0; x < 59; ++x) {
        const std::int32_t p = BufferPixel(*b, x, 0);
        if (p == 0xFFFFFF) ++white;
        else if (p == kMarker) ++marker;
    }
    EXPECT_GT(white, 0);
    EXPECT_GT(marker, 0);  // gaps: the top is dotted
}

TEST_F(BorderPixels, SlantRightRingRunsDownToTheCorner) {
    BorderColors c = Colours(-1);
    c[11] = 0x0000FF;  // outer right
    c[12] = 0xFF0000;  // outer bottom
    // A 60 x 30 button slanted on the right by SH + 1 = 31.
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x336699);
    bag.WriteInt32(L"Shape", ShapeSlantRight);
    auto slanted = MakeButton(host, 60, 30, bag);
    test::PaintBuffer(*slanted, kMarker);
    const std::int32_t fr = qvButtons_HProbe::FlatRight(*slanted);
    ASSERT_EQ(60 - 31, fr);
    qvButtons_HProbe::DrawButtonBorder(*slanted, points, c, 0, -1);
    EXPECT_EQ(0x0000FF, BufferPixel(*slanted, fr, 0));           // P12 = (FR, 0)
    EXPECT_EQ(0x0000FF, BufferPixel(*slanted, fr + 10, 10));     // 45 degrees
    EXPECT_EQ(0xFF0000, BufferPixel(*slanted, 30, 29));          // bottom row
    EXPECT_EQ(0xFF0000, BufferPixel(*slanted, 58, 29));          // completed by the closing segment
}

// --- Focus ---

class FocusPixels : public ::testing::Test {
protected:
    void SetUp() override {
        b = MakeButton(host, 100, 30, test::FlatFace(bsFlat, 0x336699));
        b->SetVisualState({.defaultOutline = true});
        test::PaintBuffer(*b, 0x336699);
    }
    HostWindow& host = test::SharedHost();
    std::unique_ptr<qvButtons_H> b;
    PainterPoints points{};
};

TEST_F(FocusPixels, DottedFocusRectangleInvertsItsFrameAndTwiceRestoresThePixels) {
    const auto before = test::BufferSnapshot(*b);
    qvButtons_HProbe::DrawFocusIndicator(*b, -1, false, false, points);
    const auto once = test::BufferSnapshot(*b);
    int changed = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 100; ++x) {
            const size_t i = static_cast<size_t>(y * 100 + x);
            if (once[i] == before[i]) continue;
            ++changed;
            // Only on the frame of (4, 4, 96, 26).
            const bool onFrame = (x == 4 || x == 95 || y == 4 || y == 25) && x >= 4 && x <= 95 && y >= 4 && y <= 25;
            EXPECT_TRUE(onFrame) << x << "," << y;
        }
    }
    EXPECT_GT(changed, 50);
    qvButtons_HProbe::DrawFocusIndicator(*b, -1, false, false, points);
    EXPECT_EQ(before, test::BufferSnapshot(*b));
}

TEST_F(FocusPixels, SolidFocusCoversTheRightAndBottomEdgeInTheColour) {
    qvButtons_HProbe::DrawFocusIndicator(*b, 0x0000FF, true, false, points);
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 4, 15));
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 50, 4));
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 96, 15));
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 50, 26));
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 4, 26));
    EXPECT_EQ(0x336699, BufferPixel(*b, 95, 15));
    EXPECT_EQ(0x336699, BufferPixel(*b, 97, 15));
    EXPECT_EQ(4, points[0].x);
    EXPECT_EQ(26, points[0].y);
    EXPECT_EQ(96, points[2].x);
}

TEST_F(FocusPixels, NegativeSolidColourIsBlackAndNothingWithoutTheDefaultOutline) {
    qvButtons_HProbe::DrawFocusIndicator(*b, -1, true, false, points);
    EXPECT_EQ(0x000000, BufferPixel(*b, 4, 15));
    test::PaintBuffer(*b, 0x336699);
    b->SetVisualState({});
    const auto before = test::BufferSnapshot(*b);
    qvButtons_HProbe::DrawFocusIndicator(*b, 0x0000FF, true, false, points);
    qvButtons_HProbe::DrawFocusIndicator(*b, 0x0000FF, false, false, points);
    EXPECT_EQ(before, test::BufferSnapshot(*b));
}

TEST_F(FocusPixels, SolidCaptionFrameStaysInside) {
    b->Caption(L"Ok");
    qvButtons_HProbe::CaptionRect(*b) = RECT{20, 8, 60, 22};
    b->SetVisualState({.defaultOutline = true});
    test::PaintBuffer(*b, 0x336699);
    qvButtons_HProbe::DrawFocusIndicator(*b, 0x9999CC, true, true, points);
    // Rectangle (18, 6, 62, 24), drawn inside: columns 18 and 61, rows 6 and 23.
    EXPECT_EQ(0x9999CC, BufferPixel(*b, 18, 15));
    EXPECT_EQ(0x9999CC, BufferPixel(*b, 61, 15));
    EXPECT_EQ(0x9999CC, BufferPixel(*b, 40, 6));
    EXPECT_EQ(0x9999CC, BufferPixel(*b, 40, 23));
    EXPECT_EQ(0x336699, BufferPixel(*b, 62, 15));
    EXPECT_EQ(0x336699, BufferPixel(*b, 40, 24));
}

TEST(OvalFocus, DottedFrameAroundTheCaptionMovesDownWhenPressed) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x336699);
    bag.WriteInt32(L"Shape", ShapeOval);
    bag.WriteText(L"Caption", L"Ok");
    auto b = MakeButton(test::SharedHost(), 100, 30, bag);
    PainterPoints points{};
    for (bool pressed : {false, true}) {
        b->SetVisualState({.heldDown = pressed, .pointerOver = pressed, .defaultOutline = true});
        qvButtons_HProbe::CaptionRect(*b) = RECT{20, 8, 60, 22};
        test::PaintBuffer(*b, 0x336699);
        ::SelectClipRgn(b->Buffer().dc(), nullptr);
        const auto before = test::BufferSnapshot(*b);
        qvButtons_HProbe::DrawFocusIndicator(*b, 0, false, false, points);  // ovals frame the caption whatever the flag
        const RECT want = pressed ? RECT{18, 7, 62, 26} : RECT{18, 6, 62, 24};
        const auto after = test::BufferSnapshot(*b);
        int changed = 0;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 100; ++x) {
                const size_t i = static_cast<size_t>(y * 100 + x);
                if (after[i] == before[i]) continue;
                ++changed;
                const bool inside = x >= want.left && x < want.right && y >= want.top && y < want.bottom;
                const bool edge = x == want.left || x == want.right - 1 || y == want.top || y == want.bottom - 1;
                EXPECT_TRUE(inside && edge) << pressed << ": " << x << "," << y;
            }
        }
        EXPECT_GT(changed, 20) << pressed;
        // Drawn twice, the frame is gone again.
        qvButtons_HProbe::DrawFocusIndicator(*b, 0, false, false, points);
        EXPECT_EQ(before, test::BufferSnapshot(*b)) << pressed;
    }
}

}  // namespace
}  // namespace buttons
