#include <gtest/gtest.h>

#include "buttons/painters/colour.h"
#include "tests/render/render_support.h"

namespace buttons {
namespace {

using test::BufferPixel;
using test::HostWindow;
using test::MakeButton;
using test::WindowPixel;

constexpr std::int32_t kMarker = 0x00FF00;
constexpr std::int32_t kBack = 0x336699;

TEST(Pipeline, RepaintCopiesTheFaceToTheWindowAndRefreshesOnce) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    EXPECT_EQ(kBack, WindowPixel(*b, 44, 20));
    test::PaintWindow(*b, kMarker);
    const long refreshes = b->RefreshCount();
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_EQ(kBack, WindowPixel(*b, 44, 20));
    EXPECT_EQ(refreshes + 1, b->RefreshCount());
}

TEST(Pipeline, DelayedDrawingPaintsNothingUntilDelayDrawingFalse) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    test::PaintWindow(*b, kMarker);
    const long refreshes = b->RefreshCount();
    b->DelayDrawing(true);
    b->BackColor(0x0000FF);
    b->ButtonStyle(bsBevel);
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_EQ(kMarker, WindowPixel(*b, 44, 20));
    EXPECT_EQ(refreshes, b->RefreshCount());
    b->DelayDrawing(false);
    EXPECT_EQ(0x0000FF, WindowPixel(*b, 44, 20));
    EXPECT_EQ(refreshes + 1, b->RefreshCount());
}

TEST(Pipeline, RefreshClearsTheDelayAndRepaintsOnce) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    b->DelayDrawing(true);
    b->BackColor(0xFF0000);
    test::PaintWindow(*b, kMarker);
    const long refreshes = b->RefreshCount();
    b->Refresh();
    EXPECT_FALSE(b->DelayDrawingFlag());
    EXPECT_EQ(0xFF0000, WindowPixel(*b, 44, 20));
    EXPECT_EQ(refreshes + 1, b->RefreshCount());
}

TEST(Pipeline, PaintEventClearsTheDelayFlagEvenIfACallerSetIt) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    b->DelayDrawing(true);
    b->BackColor(0x0000FF);
    test::PaintWindow(*b, kMarker);
    ::InvalidateRect(b->hWnd(), nullptr, FALSE);
    ::UpdateWindow(b->hWnd());
    EXPECT_FALSE(b->DelayDrawingFlag());
    EXPECT_EQ(0x0000FF, WindowPixel(*b, 44, 20));
}

TEST(Pipeline, ResizeWhileDelayedOnlyReplacesTheBackBufferBitmap) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    const HGDIOBJ oldBitmap = ::GetCurrentObject(b->Buffer().dc(), OBJ_BITMAP);
    const long refreshes = b->RefreshCount();
    b->DelayDrawing(true);
    b->Move(0, 0, 120, 50);  // the resize notification arrives at once; no paint is pumped
    BITMAP bm{};
    const HGDIOBJ newBitmap = ::GetCurrentObject(b->Buffer().dc(), OBJ_BITMAP);
    EXPECT_NE(oldBitmap, newBitmap);
    EXPECT_EQ(b->Buffer().Own(OBJ_BITMAP), newBitmap);
    ASSERT_EQ(static_cast<int>(sizeof bm), ::GetObjectW(newBitmap, sizeof bm, &bm));
    EXPECT_EQ(120, bm.bmWidth);
    EXPECT_EQ(50, bm.bmHeight);
    EXPECT_EQ(refreshes, b->RefreshCount());  // nothing repainted
    EXPECT_EQ(89, qvButtons_HProbe::FlatRight(*b));               // regions not rebuilt
    RECT box{};
    platform::Region region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(ERROR, ::GetWindowRgn(b->hWnd(), region.get()));
    ::GetRgnBox(region.get(), &box);
    EXPECT_EQ(90, box.right);   // the window region of the old size (SW + 1)
    EXPECT_EQ(42, box.bottom);
    b->DelayDrawing(false);
    EXPECT_EQ(kBack, WindowPixel(*b, 44, 20));
}

TEST(Pipeline, ZeroSizeControlsRepaintWithoutTransferringAnything) {
    HostWindow& host = test::SharedHost();
    for (SIZE size : {SIZE{0, 0}, SIZE{0, 30}, SIZE{30, 0}}) {
        for (std::int32_t style : {bsFlat, bsShadedRounded}) {
            forms::PropertyBag bag = test::FlatFace(style, kBack);
            bag.WriteInt32(L"Gradient", gmTopToBottom);
            bag.WriteInt32(L"cGradient", 0xFFFFFF);
            auto b = MakeButton(host, size.cx, size.cy, bag);
            ASSERT_TRUE(b->Buffer());
            EXPECT_TRUE(b->Buffer().HasBitmap());
            const long refreshes = b->RefreshCount();
            qvButtons_HProbe::RedrawButton(*b);
            b->GradientMode(gmNone);
            EXPECT_EQ(refreshes + 2, b->RefreshCount());
        }
    }
}

TEST(Pipeline, StyleOutsideTheEightPaintsNothingAtAll) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(9, kBack);
    auto b = MakeButton(host, 89, 41, bag);
    EXPECT_EQ(9, b->ButtonStyle());
    test::PaintWindow(*b, kMarker);
    const long refreshes = b->RefreshCount();
    b->Refresh();
    EXPECT_EQ(kMarker, WindowPixel(*b, 44, 20));
    EXPECT_EQ(refreshes, b->RefreshCount());
}

TEST(Pipeline, BackBufferStartsWithBlackToolsTransparentTextAndTheCaptionFont) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    BackBuffer& buffer = qvButtons_HProbe::Buffer(*b);
    HDC dc = buffer.dc();
    EXPECT_EQ(TRANSPARENT, ::GetBkMode(dc));
    EXPECT_EQ(buffer.Own(OBJ_FONT), ::GetCurrentObject(dc, OBJ_FONT));
    EXPECT_NE(nullptr, buffer.First(OBJ_BRUSH));
    EXPECT_NE(nullptr, buffer.First(OBJ_PEN));
    EXPECT_NE(nullptr, buffer.First(OBJ_FONT));
    EXPECT_NE(nullptr, buffer.First(OBJ_BITMAP));
    // The drawing tools selected last are current: owned ones, or the DC's own.
    const auto current = [&](DWORD type, int stock) {
        return buffer.Own(type) ? buffer.Own(type) : ::GetStockObject(stock);
    };
    EXPECT_EQ(current(OBJ_BRUSH, DC_BRUSH), ::GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(current(OBJ_PEN, DC_PEN), ::GetCurrentObject(dc, OBJ_PEN));
    buffer.ReleaseTools();
    EXPECT_EQ(buffer.First(OBJ_BRUSH), ::GetCurrentObject(dc, OBJ_BRUSH));
    EXPECT_EQ(buffer.First(OBJ_PEN), ::GetCurrentObject(dc, OBJ_PEN));
    EXPECT_EQ(nullptr, buffer.Own(OBJ_BRUSH));
    EXPECT_EQ(nullptr, buffer.Own(OBJ_PEN));
}

TEST(Pipeline, DrawRectangleFillsInsideRightAndBottomAndOutlinesOnRequest) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 40, 30, test::FlatFace(bsFlat, kBack));
    HDC dc = b->Buffer().dc();
    test::PaintBuffer(*b, kMarker);
    qvButtons_HProbe::DrawRectangle(*b, dc, 0, 5, 40, 6, 0x0000FF);  // one row
    EXPECT_EQ(kMarker, BufferPixel(*b, 10, 4));
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 10, 5));
    EXPECT_EQ(kMarker, BufferPixel(*b, 10, 6));
    qvButtons_HProbe::DrawRectangle(*b, dc, 10, 10, 20, 20, 0xFF0000, 0x000080, 1, PS_SOLID);
    EXPECT_EQ(0x000080, BufferPixel(*b, 10, 15));
    EXPECT_EQ(0x000080, BufferPixel(*b, 19, 15));
    EXPECT_EQ(0xFF0000, BufferPixel(*b, 15, 15));
    EXPECT_EQ(kMarker, BufferPixel(*b, 20, 15));
    qvButtons_HProbe::SetDrawingTool(*b, ToolTextColour, static_cast<std::int32_t>(0x80000012), false, 1, 0, dc);
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ::GetTextColor(dc));
    qvButtons_HProbe::SetDrawingTool(*b, static_cast<DrawingTool>(7), 0x123456);  // any other kind: nothing
    EXPECT_EQ(::GetSysColor(COLOR_BTNTEXT), ::GetTextColor(dc));
}

// --- The face fill ---

struct FaceCall {
    std::int32_t face;
    FaceState state = 0;
    PaintResult result = 0;
    std::int32_t gradient;
};

FaceCall FillFace(qvButtons_H& b, std::int32_t face, std::int32_t gradient) {
    FaceCall call{face, 0, 0, gradient};
    qvButtons_HProbe::FillButtonFace(b, call.face, call.state, call.result, call.gradient,
                                     qvButtons_HProbe::HoverFaceColor(b));
    return call;
}

TEST(FaceFill, GradientKeptWhileHoveringWhenGradientColourEqualsHoverColour) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(bsFlat, kBack);
    bag.WriteInt32(L"Gradient", gmBottomToTop);
    bag.WriteInt32(L"cGradient", 0xFFFFFF);
    bag.WriteInt32(L"cBHover", 0xFFFFFF);
    auto b = MakeButton(host, 89, 41, bag);
    b->SetVisualState({.hovering = true});
    const FaceCall call = FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0xFFFFFF);
    EXPECT_EQ(3, call.result);  // a rectangle: clipped to its (absent) outer edge region
    EXPECT_EQ(0, call.state);
    // Bottom to top: the top band gets the end of the table, the bottom band the face.
    const auto table = test::ExpectedGradient(41, kBack, 0xFFFFFF);
    for (int y = 0; y < 41; ++y) EXPECT_EQ(table[40 - y], BufferPixel(*b, 44, y)) << y;
    EXPECT_EQ(kBack, BufferPixel(*b, 0, 40));
}

TEST(FaceFill, FlatHoverColourWhileHoveringWhenTheColoursDiffer) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(bsFlat, kBack);
    bag.WriteInt32(L"Gradient", gmBottomToTop);
    bag.WriteInt32(L"cGradient", 0xFFFFFF);
    bag.WriteInt32(L"cBHover", 0x82551B);
    bag.WriteInt32(L"LockHover", 3);
    auto b = MakeButton(host, 89, 41, bag);
    EXPECT_EQ(0x82551B, qvButtons_HProbe::HoverFaceColor(*b));
    b->SetVisualState({.hovering = true});
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0xFFFFFF);
    for (int y : {0, 20, 40}) EXPECT_EQ(0x82551B, BufferPixel(*b, 44, y)) << y;
    // Pressed: the gradient from the face again, not from the hover colour.
    b->SetVisualState({.hovering = true, .heldDown = true, .pointerOver = true});
    const FaceCall pressed = FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0xFFFFFF);
    EXPECT_EQ(2, pressed.state);
    EXPECT_EQ(kBack, BufferPixel(*b, 44, 40));
    // Not hovering: the gradient.
    b->SetVisualState({.defaultOutline = true});
    EXPECT_EQ(1, FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0xFFFFFF).state);
    EXPECT_EQ(kBack, BufferPixel(*b, 44, 40));
}

TEST(FaceFill, SolidFaceUsesHoverColourOnlyWhenNotDown) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(bsFlat, kBack);
    bag.WriteInt32(L"cBHover", 0x0000FF);
    auto b = MakeButton(host, 89, 41, bag);
    b->SetVisualState({.hovering = true});
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0);
    EXPECT_EQ(0x0000FF, BufferPixel(*b, 44, 20));
    b->SetVisualState({.hovering = true, .heldDown = true, .pointerOver = true});  // pressed command button
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0);
    EXPECT_EQ(kBack, BufferPixel(*b, 44, 20));
    // A check box is down while its Value is True, pressed or not.
    b->SetVisualState({.hovering = true});
    b->Mode(ModeCheck);
    b->Value(true);
    FillFace(*b, 0x010203, 0);
    EXPECT_EQ(0x010203, BufferPixel(*b, 44, 20));
}

TEST(FaceFill, NegativeGradientColourStartsFromTheFace) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(bsFlat, kBack);
    bag.WriteInt32(L"Gradient", gmLeftToRight);
    auto b = MakeButton(host, 89, 41, bag);
    const FaceCall call = FillFace(*b, kBack, -1);
    EXPECT_EQ(kBack, call.gradient);
    for (int x : {0, 44, 88}) EXPECT_EQ(kBack, BufferPixel(*b, x, 20)) << x;
}

TEST(FaceFill, ShadedRoundedFaceDarkensRowByRow) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 40, 60, test::FlatFace(bsShadedRounded, 0x808080));
    // FaceColor = S(0x808080, +48, p): red and green 176, blue 128 + 48*128/192 = 160.
    ASSERT_EQ(0xA0B0B0, qvButtons_HProbe::FaceColor(*b));
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0);
    EXPECT_EQ(0xA0B0B0, BufferPixel(*b, 20, 0));   // top row unshifted
    // Bottom row 59: -25 * 59 / 60 = -24.6 -> -25: 151, 151, 160 - 4000/192 = 140.
    EXPECT_EQ(0x8C9797, BufferPixel(*b, 20, 59));
    for (int y = 0; y < 60; ++y) {
        const auto shade = static_cast<std::int16_t>(std::nearbyint(-(25.0f / 60.0f) * static_cast<float>(y)));
        EXPECT_EQ(ShiftColor(0xA0B0B0, shade, true), BufferPixel(*b, 3, y)) << y;
    }
}

TEST(FaceFill, ShadedRoundedDisabledCommandButtonIsFlat) {
    HostWindow& host = test::SharedHost();
    forms::PropertyBag bag = test::FlatFace(bsShadedRounded, 0x808080);
    bag.WriteBool(L"Enabled", false);
    auto b = MakeButton(host, 40, 60, bag);
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0);
    for (int y : {0, 30, 59}) EXPECT_EQ(0xA0B0B0, BufferPixel(*b, 20, y)) << y;
    // A disabled check box is still shaded.
    b->Mode(ModeCheck);
    FillFace(*b, qvButtons_HProbe::FaceColor(*b), 0);
    EXPECT_EQ(0x8C9797, BufferPixel(*b, 20, 59));
}

TEST(FaceFill, NegativeCachedHoverColourIsReplacedForGood) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    qvButtons_HProbe::HoverFaceColor(*b) = -1;
    b->Refresh();
    EXPECT_EQ(kBack, qvButtons_HProbe::HoverFaceColor(*b));
    b->SetVisualState({.hovering = true});
    b->Refresh();
    EXPECT_EQ(kBack, qvButtons_HProbe::HoverFaceColor(*b));
    EXPECT_EQ(kBack, WindowPixel(*b, 44, 20));
}

// --- Gradient bands on a 1024-pixel screen ---

class GradientFill : public ::testing::Test {
protected:
    void SetUp() override {
        if (::GetSystemMetrics(SM_CXSCREEN) != 1024) GTEST_SKIP() << "needs a 1024-pixel-wide screen";
    }
    HostWindow& host = test::SharedHost();
};

TEST_F(GradientFill, HundredPixelsGetHundredOnePixelBands) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x000000);
    bag.WriteInt32(L"Gradient", gmLeftToRight);
    auto b = MakeButton(host, 100, 20, bag);
    qvButtons_HProbe::FillGradient(*b, 0x000000, 0x0000FF);
    const auto table = test::ExpectedGradient(100, 0x000000, 0x0000FF);
    for (int x = 0; x < 100; ++x) EXPECT_EQ(table[x], BufferPixel(*b, x, 10)) << x;
    EXPECT_EQ(0x000000, BufferPixel(*b, 0, 10));
}

TEST_F(GradientFill, ThreeHundredPixelsGetHundredFiftyTwoPixelBands) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x000000);
    bag.WriteInt32(L"Gradient", gmRightToLeft);
    auto b = MakeButton(host, 300, 20, bag);
    qvButtons_HProbe::FillGradient(*b, 0x000000, 0x0000FF);
    const auto table = test::ExpectedGradient(150, 0x000000, 0x0000FF);
    for (int i = 0; i < 150; ++i) {
        EXPECT_EQ(table[149 - i], BufferPixel(*b, 2 * i, 5)) << i;  // right to left: reversed
        EXPECT_EQ(table[149 - i], BufferPixel(*b, 2 * i + 1, 5)) << i;
    }
}

TEST_F(GradientFill, OddWidthLeavesTheLastColumnUnpainted) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x000000);
    bag.WriteInt32(L"Gradient", gmLeftToRight);
    auto b = MakeButton(host, 301, 20, bag);
    test::PaintBuffer(*b, kMarker);
    qvButtons_HProbe::FillGradient(*b, 0x000000, 0x0000FF);
    EXPECT_EQ(kMarker, BufferPixel(*b, 300, 10));
    EXPECT_NE(kMarker, BufferPixel(*b, 299, 10));
}

TEST_F(GradientFill, TopToBottomStartsAtTheTop) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, 0x000000);
    bag.WriteInt32(L"Gradient", gmTopToBottom);
    auto b = MakeButton(host, 50, 37, bag);
    qvButtons_HProbe::FillGradient(*b, 0x000000, 0x0000FF);
    EXPECT_EQ(0x000000, BufferPixel(*b, 25, 0));
    EXPECT_EQ(0x0000FE, BufferPixel(*b, 25, 36));  // 37 entries end one short
}

// --- Cache ---

TEST(Cache, BackColorKeyIgnoresCaseAndOtherKeysDoNothing) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsEtched, kBack));
    for (const wchar_t* key : {L"backcolor", L"BACKCOLOR", L"BackColor"}) {
        qvButtons_HProbe::FaceColor(*b) = qvButtons_HProbe::PressedFaceColor(*b) = 1;
        qvButtons_HProbe::HoverFaceColor(*b) = qvButtons_HProbe::CheckedFaceColor(*b) = 1;
        qvButtons_HProbe::UpdateCache(*b, key);
        EXPECT_EQ(kBack, qvButtons_HProbe::FaceColor(*b)) << key;
        EXPECT_EQ(0x8C8C8C, qvButtons_HProbe::PressedFaceColor(*b)) << key;
        EXPECT_EQ(kBack, qvButtons_HProbe::HoverFaceColor(*b)) << key;
        EXPECT_EQ(0xABABAB, qvButtons_HProbe::CheckedFaceColor(*b)) << key;
    }
    qvButtons_HProbe::FaceColor(*b) = 1;
    const HGDIOBJ font = b->Buffer().Own(OBJ_FONT);
    qvButtons_HProbe::UpdateCache(*b, L"Colour");
    qvButtons_HProbe::UpdateCache(*b, L"");
    EXPECT_EQ(1, qvButtons_HProbe::FaceColor(*b));
    EXPECT_EQ(font, b->Buffer().Own(OBJ_FONT));
}

TEST(Cache, SystemBackColourIsResolved) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::SystemLook());
    EXPECT_EQ(static_cast<std::int32_t>(::GetSysColor(COLOR_BTNFACE)), qvButtons_HProbe::FaceColor(*b));
    EXPECT_EQ(0x82551B, qvButtons_HProbe::HoverFaceColor(*b));
    EXPECT_EQ(0xDFDFDF, qvButtons_HProbe::CheckedFaceColor(*b));
}

TEST(Cache, CaptionFontFollowsTheFontAndReplacesThePreviousOne) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    const long live = platform::LiveGdiCount();
    const HGDIOBJ initial = b->Buffer().First(OBJ_FONT);
    for (auto [size, height] : {std::pair{10.0, -13}, std::pair{8.25, -11}, std::pair{9.75, -13}}) {
        b->Font(forms::MakeFont(L"Arial", size, 700, true));
        LOGFONTW lf{};
        ASSERT_EQ(static_cast<int>(sizeof lf), ::GetObjectW(b->Buffer().Own(OBJ_FONT), sizeof lf, &lf));
        EXPECT_EQ(height, lf.lfHeight) << size;
        EXPECT_EQ(700, lf.lfWeight);
        EXPECT_EQ(1, lf.lfItalic);
        EXPECT_EQ(std::wstring(L"Arial"), lf.lfFaceName);
        EXPECT_EQ(b->Buffer().Own(OBJ_FONT), ::GetCurrentObject(b->Buffer().dc(), OBJ_FONT));
        EXPECT_EQ(initial, b->Buffer().First(OBJ_FONT));
        EXPECT_EQ(live, platform::LiveGdiCount());  // exactly one caption font at a time
    }
    qvButtons_HProbe::UpdateCache(*b, L"font");
    EXPECT_EQ(live, platform::LiveGdiCount());
}

TEST(Cache, ResizeKeepsTheCaptionFontUntilTheFontObjectChanges) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    b->Font(forms::MakeFont(L"Arial", 9.75, 700));
    const auto captionFont = [&] { return static_cast<HFONT>(qvButtons_HProbe::Buffer(*b).Own(OBJ_FONT)); };
    const HFONT made = captionFont();
    b->ResizeProcessing();
    EXPECT_EQ(made, captionFont());
    b->Font()->Size = 12;  // changed in place: the next resize builds it anew (16 pixels at 96 dpi)
    b->ResizeProcessing();
    LOGFONTW lf{};
    ASSERT_EQ(static_cast<int>(sizeof lf), ::GetObjectW(captionFont(), sizeof lf, &lf));
    EXPECT_EQ(-16, lf.lfHeight);
    EXPECT_EQ(captionFont(), ::GetCurrentObject(qvButtons_HProbe::Buffer(*b).dc(), OBJ_FONT));
}

TEST(Cache, PictureMeasuresBitmapsAndIcons) {
    HostWindow& host = test::SharedHost();
    auto b = MakeButton(host, 89, 41, test::FlatFace(bsFlat, kBack));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = 37;
    bi.bmiHeader.biHeight = 21;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    b->Picture(forms::PictureObject::FromBitmap(dib));
    EXPECT_EQ(37, qvButtons_HProbe::PictureWidth(*b));
    EXPECT_EQ(21, qvButtons_HProbe::PictureHeight(*b));
    EXPECT_EQ(0, qvButtons_HProbe::PictureKind(*b));

    HICON icon = static_cast<HICON>(::LoadImageW(nullptr, MAKEINTRESOURCEW(32516), IMAGE_ICON, 24, 24, LR_SHARED));
    ASSERT_NE(nullptr, icon);
    b->Picture(forms::PictureObject::FromIcon(::CopyIcon(icon)));
    EXPECT_EQ(24, qvButtons_HProbe::PictureWidth(*b));
    EXPECT_EQ(24, qvButtons_HProbe::PictureHeight(*b));
    EXPECT_EQ(1, qvButtons_HProbe::PictureKind(*b));

    const long live = platform::LiveGdiCount();
    qvButtons_HProbe::UpdateCache(*b, L"PICTURE");  // the icon's colour and mask images are released again
    EXPECT_EQ(live, platform::LiveGdiCount());
    b->Picture(nullptr);
    EXPECT_EQ(0, qvButtons_HProbe::PictureWidth(*b));
    EXPECT_EQ(0, qvButtons_HProbe::PictureHeight(*b));
    EXPECT_FALSE(qvButtons_HProbe::PreparedImage(*b));
}

}  // namespace
}  // namespace buttons
