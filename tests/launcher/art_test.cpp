// The banner drawn for every scale: the drawing chosen for a screen, its size there
// and its sharpness against the 96-dpi banner enlarged.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "forms/art_scale.h"
#include "forms/picture_object.h"
#include "platform/handles.h"

namespace {

TEST(Art, TheSmallestDrawingAtLeastAsLargeAsTheScreenNeeds) {
    const struct {
        int dpi, percent;
    } all[] = {{72, 100}, {96, 100}, {97, 125}, {120, 125}, {121, 150}, {144, 150}, {168, 175},
               {192, 200}, {216, 250}, {240, 250}, {288, 250}};
    for (const auto& c : all) EXPECT_EQ(c.percent, forms::ArtScaleFor(c.dpi, forms::kArtScales)) << c.dpi;
    const int some[] = {200, 125};
    EXPECT_EQ(200, forms::ArtScaleFor(144, some));
    EXPECT_EQ(125, forms::ArtScaleFor(110, some));
    EXPECT_EQ(200, forms::ArtScaleFor(240, some));  // none large enough: the largest
    EXPECT_EQ(100, forms::ArtScaleFor(192, {}));
}

// The bitmap's pixels as 0x00RRGGBB, top row first.
std::vector<DWORD> Pixels(HBITMAP bitmap, SIZE size) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(size.cx) * size.cy);
    platform::WindowDC screen(nullptr);
    ::GetDIBits(screen.get(), bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

// The sum of squared steps between neighbours, over the three channels: an edge
// spread over two pixels counts half of one drawn in one.
double EdgeEnergy(const std::vector<DWORD>& p, SIZE size) {
    double energy = 0;
    const auto step = [&](DWORD a, DWORD b) {
        for (int shift = 0; shift < 24; shift += 8) {
            const double d = static_cast<double>((a >> shift) & 0xFF) - static_cast<double>((b >> shift) & 0xFF);
            energy += d * d;
        }
    };
    for (int y = 0; y + 1 < size.cy; ++y)
        for (int x = 0; x + 1 < size.cx; ++x) {
            const size_t i = static_cast<size_t>(y) * size.cx + x;
            step(p[i], p[i + 1]);
            step(p[i], p[i + size.cx]);
        }
    return energy;
}

TEST(Art, EachDrawingIsTheBannerAtItsScaleAndSharperThanItsEnlargement) {
    const HINSTANCE exe = ::GetModuleHandleW(nullptr);
    const platform::Bitmap banner(
        static_cast<HBITMAP>(::LoadImageW(exe, L"BANNER", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    ASSERT_TRUE(banner);
    const SIZE base{409, 367};  // the main window's client at 96 dpi
    for (const int percent : forms::kArtScales) {
        SCOPED_TRACE(percent);
        const forms::PictureRef drawn =
            forms::PictureObject::LoadResource(exe, forms::ArtResourceName(L"BANNER", percent).c_str(), RT_RCDATA);
        BITMAP bm{};
        ASSERT_TRUE(::GetObjectW(drawn->BitmapHandle(), sizeof bm, &bm));
        // Exactly the size the window shows the banner at (a half rounds up): never enlarged.
        const SIZE size{static_cast<LONG>(std::floor(base.cx * percent / 100.0 + 0.5)),
                        static_cast<LONG>(std::floor(base.cy * percent / 100.0 + 0.5))};
        EXPECT_EQ(size.cx, bm.bmWidth);
        EXPECT_EQ(size.cy, bm.bmHeight);
        if (percent != 200) continue;

        // The 96-dpi banner enlarged twice as a window would draw it without the drawing.
        platform::WindowDC screen(nullptr);
        platform::MemoryDC from(::CreateCompatibleDC(screen.get())), to(::CreateCompatibleDC(screen.get()));
        platform::Bitmap enlarged(::CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        {
            platform::ScopedSelect a(from.get(), banner.get()), b(to.get(), enlarged.get());
            ::SetStretchBltMode(to.get(), HALFTONE);
            ::StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, base.cx, base.cy, SRCCOPY);
        }
        const double sharp = EdgeEnergy(Pixels(drawn->BitmapHandle(), size), size);
        const double blurred = EdgeEnergy(Pixels(enlarged.get(), size), size);
        EXPECT_GT(sharp, 1.3 * blurred) << sharp << " vs " << blurred;
    }
}

}  // namespace
