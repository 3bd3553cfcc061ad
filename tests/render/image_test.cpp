#include <gtest/gtest.h>

#include <functional>

#include "buttons/painters/image.h"
#include "platform/pixel_bitmap.h"
#include "tests/render/render_support.h"
#include "tests/support/qvbuttons_probe.h"
#include "tests/support/temp_folder.h"

namespace buttons {
namespace {

using Probe = buttons::qvButtons_HProbe;
using test::BufferPixel;
using test::MakeButton;

constexpr COLORREF kFace = RGB(90, 100, 200);
constexpr COLORREF kKey = RGB(40, 160, 40);  // every test picture's top-left colour
constexpr COLORREF kSubject = RGB(200, 30, 30);

// A 32-bit DIB picture whose pixel (x, y) is colour(x, y).
forms::PictureRef Picture(int w, int h, const std::function<COLORREF(int, int)>& colour) {
    std::uint32_t* bits = nullptr;
    platform::Bitmap dib = platform::CreatePixelBitmap(w, h, &bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF c = colour(x, y);
            // The fourth byte filled, as the imaging component leaves decoded pictures.
            bits[y * w + x] = 0xFF000000 | GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c);
        }
    return forms::PictureObject::FromBitmap(dib.release());
}

// A flat 38 x 38 button with the picture stretched over (3, 3)-(35, 35): a 16 x 16
// picture's pixel (x, y) covers the button's (3 + 2x, 3 + 2y) and its neighbours.
std::unique_ptr<qvButtons_H> Stretched(forms::PictureRef picture, bool enabled = true) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, kFace);
    bag.WriteInt16(L"ImgSize", 40);
    bag.WriteBool(L"Enabled", enabled);
    auto b = MakeButton(test::SharedHost(), 38, 38, bag);
    if (picture) b->Picture(std::move(picture));
    return b;
}
std::int32_t At(const qvButtons_H& b, int x, int y) { return BufferPixel(b, 3 + 2 * x, 3 + 2 * y); }

TEST(Images, BackgroundWithinThreeLevelsOfTheTopLeftIsTransparentEvenInsideTheSubject) {
    const auto d = [](int k) { return k % 7 - 3; };
    auto b = Stretched(Picture(16, 16, [&](int x, int y) -> COLORREF {
        if (x == 15 && y == 0) return RGB(44, 160, 40);  // four levels away
        if (x == 8 && y == 8) return kKey;
        if (x >= 4 && x < 12 && y >= 4 && y < 12) return kSubject;
        return x + y == 0 ? kKey : RGB(40 + d(x), 160 - d(y), 40 + d(x + y));
    }));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool subject = x >= 4 && x < 12 && y >= 4 && y < 12 && !(x == 8 && y == 8);
            const COLORREF expected = x == 15 && y == 0 ? RGB(44, 160, 40) : subject ? kSubject : kFace;
            EXPECT_EQ(static_cast<std::int32_t>(expected), At(*b, x, y)) << x << "," << y;
        }
    // Pressed, the image moves one pixel right and down with the caption.
    EXPECT_EQ(static_cast<std::int32_t>(kSubject), BufferPixel(*b, 11, 15));
    b->SetVisualState({.heldDown = true, .pointerOver = true});
    qvButtons_HProbe::RedrawButton(*b);
    EXPECT_NE(static_cast<std::int32_t>(kSubject), BufferPixel(*b, 11, 16));
    EXPECT_EQ(static_cast<std::int32_t>(kSubject), BufferPixel(*b, 12, 16));
}

TEST(Images, DisabledBlackTurnsGreyWhiteKeepsTheFaceAndOtherColoursFollowTheRasterOperation) {
    const COLORREF quarter[4] = {kKey, RGB(0, 0, 0), RGB(255, 255, 255), RGB(0x3C, 0x78, 0xB4)};
    auto b = Stretched(nullptr, false);
    const std::vector<std::int32_t> face = test::BufferSnapshot(*b);
    b->Picture(Picture(16, 16, [&](int x, int y) { return quarter[(x / 8) + 2 * (y / 8)]; }));
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t f = static_cast<std::uint32_t>(face[static_cast<size_t>((3 + 2 * y) * 38 + 3 + 2 * x)]);
            const COLORREF drawn = x < 8 && y < 8 ? RGB(255, 255, 255) : quarter[(x / 8) + 2 * (y / 8)];
            const std::uint32_t expected = ((f ^ 0x808080u) & drawn) ^ 0x808080u;  // black: grey; white: face
            EXPECT_EQ(static_cast<std::int32_t>(expected), At(*b, x, y)) << x << "," << y;
        }
}

TEST(Images, IconsStretchToTheImageRectangleWithTheirMask) {
    platform::WindowDC screen(nullptr);
    const platform::Bitmap colourBitmap(::CreateCompatibleBitmap(screen.get(), 16, 16));
    const platform::Bitmap maskBitmap(::CreateBitmap(16, 16, 1, 1, nullptr));
    HBITMAP colour = colourBitmap.get(), mask = maskBitmap.get();
    {
        platform::MemoryDC dc(::CreateCompatibleDC(screen.get()));
        platform::ScopedSelect c(dc.get(), colour);
        platform::Brush red(::CreateSolidBrush(kSubject));
        RECT left{0, 0, 8, 16}, right{8, 0, 16, 16}, all{0, 0, 16, 16};
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::FillRect(dc.get(), &left, red.get());
        platform::ScopedSelect m(dc.get(), mask);
        ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        ::FillRect(dc.get(), &right, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));  // transparent half
    }
    ICONINFO info{TRUE, 0, 0, mask, colour};
    auto b = Stretched(forms::PictureObject::FromIcon(::CreateIconIndirect(&info)));
    EXPECT_FALSE(Probe::PreparedImage(*b));
    for (int x = 0; x < 16; ++x) EXPECT_EQ(static_cast<std::int32_t>(x < 8 ? kSubject : kFace), At(*b, x, 8)) << x;
}

// A 40 x 30 picture: an opaque block (10, 5)-(30, 25) with one hole of the key colour.
bool Opaque(int x, int y) { return x >= 10 && x < 30 && y >= 5 && y < 25 && !(x == 20 && y == 15); }
bool OpaqueAround(int x, int y, int n) {
    for (int dy = -n; dy <= n; ++dy)
        for (int dx = -n; dx <= n; ++dx)
            if (!Opaque(x + dx, y + dy)) return false;
    return true;
}
forms::PictureRef Block(COLORREF fill) {
    return Picture(40, 30, [&](int x, int y) { return Opaque(x, y) ? fill : kKey; });
}

TEST(Images, PictureShapesCutTheWindowRegionAndEdgeRegionsOneAndTwoPixelsInside) {
    for (std::int32_t shape : {ShapeCustom, ShapeCustom3D}) {
        forms::PropertyBag bag = test::FlatFace(bsFlat, kFace);
        bag.WriteInt32(L"Shape", shape);
        bag.WriteInt16(L"ImgSize", 48);
        bag.Set(L"Image", Block(kSubject));
        auto b = MakeButton(test::SharedHost(), 40, 30, bag);
        platform::Region window(::CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(ERROR, ::GetWindowRgn(b->hWnd(), window.get()));
        for (int y = -2; y < 32; ++y)
            for (int x = -2; x < 42; ++x) {
                ASSERT_EQ(Opaque(x, y), !!::PtInRegion(window.get(), x, y)) << x << "," << y;
                ASSERT_EQ(OpaqueAround(x, y, 1), !!::PtInRegion(Probe::OuterEdgeRegion(*b), x, y)) << x << "," << y;
                ASSERT_EQ(OpaqueAround(x, y, 2), !!::PtInRegion(Probe::InnerEdgeRegion(*b), x, y)) << x << "," << y;
            }
    }
}

TEST(Images, PreparedOncePerSizeAndReleasedWithoutLeaksOverRepaintsAndPictureChanges) {
    forms::PropertyBag bag = test::FlatFace(bsFlat, kFace);
    bag.WriteInt32(L"Shape", ShapeCustom3D);
    bag.WriteInt16(L"ImgSize", 48);
    bag.Set(L"Image", Block(kSubject));
    auto b = MakeButton(test::SharedHost(), 40, 30, bag);
    const HBITMAP prepared = Probe::PreparedImage(*b);
    const forms::PictureRef pictures[2] = {Block(RGB(0, 0, 0)), Block(kSubject)};  // each holds a bitmap
    const long count = platform::LiveGdiCount();
    for (int i = 0; i < 10000; ++i) {
        b->SetVisualState({.hovering = i % 3 == 0, .heldDown = i % 5 == 0, .pointerOver = i % 5 == 0});
        qvButtons_HProbe::RedrawButton(*b);
    }
    EXPECT_EQ(prepared, Probe::PreparedImage(*b));
    EXPECT_EQ(count, platform::LiveGdiCount());
    for (int i = 0; i < 1000; ++i) b->Picture(pictures[i % 2]);
    EXPECT_EQ(count, platform::LiveGdiCount());
    b->Picture(nullptr);  // back to a rectangle, without a prepared copy
    EXPECT_EQ(ShapeRectangle, b->ButtonShape());
    EXPECT_FALSE(Probe::PreparedImage(*b));
    EXPECT_EQ(0, Probe::PictureWidth(*b) + Probe::PictureHeight(*b));
}

TEST(Images, UnreadableOrOversizedPicturesAreNoPicture) {
    testsupport::TempFolder folder;
    const std::wstring path = folder.File(L"broken.jpg");
    testsupport::WriteWholeFile(path, "\xFF\xD8 not a picture");
    forms::PropertyBag bag;
    bag.WriteText(L"Image", path);
    auto b = MakeButton(test::SharedHost(), 89, 41, bag);
    EXPECT_FALSE(b->Picture());
    EXPECT_EQ(0, Probe::PictureWidth(*b) + Probe::PictureHeight(*b));
    // Sides of 0, and 32-bit pixels beyond the 2 GiB a bitmap may take.
    EXPECT_FALSE(forms::PictureFitsInMemory(0, 10));
    EXPECT_FALSE(forms::PictureFitsInMemory(10, 0));
    EXPECT_TRUE(forms::PictureFitsInMemory(23170, 23170));
    EXPECT_FALSE(forms::PictureFitsInMemory(23171, 23171));
    EXPECT_FALSE(forms::PictureFitsInMemory(32768, 16384));
    // Nothing to draw (and nothing divided) for an empty target or image.
    EXPECT_FALSE(PlanTransparentBlit(RECT{5, 5, 5, 9}, RECT{}, SIZE{16, 16}, 16, 16));
    EXPECT_FALSE(PlanTransparentBlit(RECT{}, RECT{}, SIZE{16, 16}, 0, 16));
    const auto shrunk = PlanTransparentBlit(RECT{0, 0, 10, 40}, RECT{}, SIZE{16, 16}, 20, 20);
    ASSERT_TRUE(shrunk);
    EXPECT_EQ(10, shrunk->width);
    EXPECT_EQ(10, shrunk->height);
}

}  // namespace
}  // namespace buttons
