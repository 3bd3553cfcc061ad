#include <gtest/gtest.h>

#include "tests/render/render_support.h"

namespace buttons {
namespace {

using platform::LiveGdiCount;
using test::MakeButton;
using test::WindowPixel;

// Every style, plain and with a gradient, in a few states.
TEST(Resources, RepaintsKeepTheLiveGdiCountConstant) {
    auto& host = test::SharedHost();
    for (std::int32_t style = bsBevel; style <= bsRoundedFrame; ++style) {
        for (std::int32_t gradient : {gmNone, gmBottomToTop, gmLeftToRight}) {
            forms::PropertyBag bag = test::FlatFace(style, 0x336699);
            bag.WriteInt32(L"Gradient", gradient);
            bag.WriteInt32(L"cGradient", 0xFFFFFF);
            bag.WriteText(L"Caption", L"Ok");
            auto b = MakeButton(host, 89, 41, bag);
            qvButtons_HProbe::RedrawButton(*b);
            const long afterFirst = LiveGdiCount();
            for (int flags : {0, 1, 6, 7}) {  // default outline 1, held down 2, pointer over 4
                for (bool hovering : {false, true}) {
                    b->SetVisualState({hovering, (flags & 2) != 0, (flags & 4) != 0, (flags & 1) != 0});
                    for (int i = 0; i < 20; ++i) qvButtons_HProbe::RedrawButton(*b);
                }
            }
            b->SetVisualState({});
            EXPECT_EQ(afterFirst, LiveGdiCount()) << "style " << style << " gradient " << gradient;
        }
    }
}

TEST(Resources, TenThousandRepaintsOfTheSystemLookLeaveTheCountAsAfterTheFirst) {
    auto b = MakeButton(test::SharedHost(), 89, 41, test::SystemLook());
    b->Caption(L"SOS");
    qvButtons_HProbe::RedrawButton(*b);
    const long afterFirst = LiveGdiCount();
    for (int i = 0; i < 10000; ++i) {
        b->SetVisualState({.hovering = (i % 3) == 0});
        qvButtons_HProbe::RedrawButton(*b);
    }
    b->SetVisualState({});
    EXPECT_EQ(afterFirst, LiveGdiCount());
}

TEST(Resources, ACreatedThenDestroyedButtonLeavesTheCountWhereItWas) {
    auto& host = test::SharedHost();
    const long before = LiveGdiCount();
    for (std::int32_t shape : {ShapeRectangle, ShapeSlantBoth, ShapeOval, ShapeOvalFlat}) {
        forms::PropertyBag bag = test::SystemLook();
        bag.WriteInt32(L"Shape", shape);
        auto b = MakeButton(host, 89, 41, bag);
        b->Font(forms::MakeFont(L"Arial", 12, 700));
        b->Move(0, 0, 120, 50);  // a new back-buffer bitmap and new regions
        b->ButtonStyle(bsShadedRounded);
        b->Refresh();
        EXPECT_LT(before, LiveGdiCount());
        b.reset();
        EXPECT_EQ(before, LiveGdiCount()) << "shape " << shape;
    }
}

TEST(Resources, TerminationPutsTheBackBuffersOwnObjectsBack) {
    auto b = MakeButton(test::SharedHost(), 89, 41, test::SystemLook());
    BackBuffer& buffer = qvButtons_HProbe::Buffer(*b);
    HDC dc = buffer.dc();
    const HGDIOBJ brush = buffer.First(OBJ_BRUSH), pen = buffer.First(OBJ_PEN), font = buffer.First(OBJ_FONT),
                  bitmap = buffer.First(OBJ_BITMAP);
    // What a fresh memory DC holds: the stock white brush, black pen, system font.
    EXPECT_EQ(::GetStockObject(WHITE_BRUSH), brush);
    EXPECT_EQ(::GetStockObject(BLACK_PEN), pen);
    EXPECT_EQ(::GetStockObject(SYSTEM_FONT), font);
    EXPECT_NE(nullptr, bitmap);
    buffer.ReleaseTools();
    EXPECT_EQ(brush, ::GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(pen, ::GetCurrentObject(dc, OBJ_PEN));
    const long before = LiveGdiCount();
    buffer.Release();
    EXPECT_FALSE(buffer);
    EXPECT_EQ(nullptr, buffer.Own(OBJ_FONT));
    EXPECT_EQ(nullptr, buffer.Own(OBJ_BITMAP));
    EXPECT_EQ(nullptr, buffer.First(OBJ_FONT));
    EXPECT_EQ(nullptr, buffer.First(OBJ_BITMAP));
    EXPECT_EQ(before - 3, LiveGdiCount());  // caption font, bitmap and the DC
}

// Black box: Wine refuses new GDI objects after about 65,480 live ones, so a leak of
// one object per repaint or per button would show here without any counter.
bool CanStillCreateGdiObjects() {
    HBRUSH brush = ::CreateSolidBrush(RGB(1, 2, 3));
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 8, 8);
    ::ReleaseDC(nullptr, screen);
    const bool ok = brush != nullptr && bitmap != nullptr;
    if (brush) ::DeleteObject(brush);
    if (bitmap) ::DeleteObject(bitmap);
    return ok;
}

TEST(Resources, SeventyThousandRepaintsLeaveTheProcessAbleToCreateGdiObjects) {
    auto b = MakeButton(test::SharedHost(), 89, 41, test::SystemLook());
    b->Caption(L"SOS");
    for (int i = 0; i < 70000; ++i) {
        b->SetVisualState({.hovering = (i % 2) == 0});
        qvButtons_HProbe::RedrawButton(*b);
    }
    b->SetVisualState({});
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_TRUE(CanStillCreateGdiObjects());
    // The last repaint still reached the window: the bottom band is the face colour.
    EXPECT_EQ(static_cast<std::int32_t>(::GetSysColor(COLOR_BTNFACE)), WindowPixel(*b, 44, 37));
}

TEST(Resources, TwoThousandCreateDestroyCyclesLeaveTheProcessAbleToCreateGdiObjects) {
    auto& host = test::SharedHost();
    for (int i = 0; i < 2000; ++i) {
        forms::PropertyBag bag = test::SystemLook();
        bag.WriteInt32(L"BackStyle", i % 8);
        bag.WriteInt32(L"Shape", (i % 3 == 0) ? ShapeOval : ShapeRectangle);
        auto b = MakeButton(host, 89, 41, bag);
    }
    EXPECT_TRUE(CanStillCreateGdiObjects());
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, 0x336699));
    EXPECT_EQ(0x336699, WindowPixel(*b, 44, 20));
}

}  // namespace
}  // namespace buttons
